// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class TfmSplash;

namespace Ui {
class TfmAbout;
}

// The About box: the product's name, version and pictures and two links to the maker.
// It is created once at start-up, shown modally on "&About" and hidden, not destroyed,
// when OK, Enter or Escape closes it.
class TfmAbout : public QDialog {
  Q_OBJECT

 public:
  // Copies the two pictures out of the splash window; the copies outlive it.
  explicit TfmAbout(const TfmSplash& splash, QWidget* parent = nullptr);
  ~TfmAbout() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const TfmSplash& splash);
  void buOKClick();
  void laWebSiteMouseDown(QLabel* sender);
  void laWebSiteMouseUp(QLabel* sender);
  void laWebSiteClick();
  void laEMailClick();

  std::unique_ptr<Ui::TfmAbout> ui_;
};

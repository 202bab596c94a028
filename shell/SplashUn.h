// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace Ui {
class TfmSplash;
}

// The splash window shown for three seconds at start-up: the product's name, version,
// logo and the maker's banner in a window with a dialog frame but no title bar that stays
// on top, centred on the screen. It also carries the two pictures that the About box copies.
class TfmSplash : public QWidget {
 public:
  explicit TfmSplash(QWidget* parent = nullptr);
  ~TfmSplash() override;

  QPixmap logo() const;
  QPixmap banner() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();

  std::unique_ptr<Ui::TfmSplash> ui_;
};

// Shows the window and waits until it is on the screen and fully drawn. Input that
// arrives meanwhile waits for the event loop.
void showFullyDrawn(QWidget& window);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"
#include "ui/file_dialog_tab.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class FilterGrid;
class QDialog;
class QLineEdit;
class QTabWidget;

namespace Ui {
class TfmMain;
}

// The composer window. On the left the user picks one of three creators; the work space
// shows that creator's tabbed pages with "&New", "&Test" and "&Copy"; the bottom bar holds
// "&Help", "&About" and "E&xit". The controls hold the settings for the window's whole
// life: Test and Copy read them into a fresh ComposerSettings; New and the creator
// buttons reset the active creator's record in such a value and write it back.
//
// The fixed layout (controls, names, places, captions, start states, radio groups and tab
// order) is the form fmMainUn.ui; this class holds what the window does: fmMainUn.cpp its
// set-up and handlers, fmMainUn_settings.cpp the reading and writing of its controls.
class TfmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfmMain(QWidget* parent = nullptr);
  ~TfmMain() override;

  // The controls as they stand, read into a fresh settings value.
  ComposerSettings readSettings() const;

  // The About box that "&About" shows; it belongs to the start routine.
  void setAboutBox(QDialog* aboutBox);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void applyReadableColours();
  void numberButtonGroups();
  void connectHandlers();
  std::vector<QWidget*> accessKeyOrder() const;

  CreatorKind activeCreator() const;
  QTabWidget* pageControl(CreatorKind kind) const;
  const FileDialogTab& fileDialogTab(DialogKind kind) const;
  void switchCreator(CreatorKind kind);
  void showButtonChoice(ButtonChoice choice);

  // fmMainUn_settings.cpp: each creator's controls read into its settings and written from them.
  MessageBoxSettings readMessageBox() const;
  InputBoxSettings readInputBox() const;
  CommonDialogSettings readCommonDialog() const;
  void writeMessageBox(const MessageBoxSettings& settings);
  void writeInputBox(const InputBoxSettings& settings);
  void writeCommonDialog(const CommonDialogSettings& settings);

  void FormCreate();
  void sbMessageBoxClick();
  void sbInputBoxClick();
  void sbCommonDialogClick();
  void sbNewClick();
  void sbTestClick();
  void sbCopyClick();
  void sbHelpClick();
  void sbAboutClick();
  void sbExitClick();
  void buttonChoiceClick(int id);
  void sbOK_OKClick();
  void sbOK_OKCancelClick();
  void sbCancel_OKCancelClick();
  void sbYes_YesNoClick();
  void sbNo_YesNoClick();
  void sbYes_YesNoCancelClick();
  void sbNo_YesNoCancelClick();
  void sbCancel_YesNoCancelClick();
  void sbAbort_AbortRetryIgnoreClick();
  void sbRetry_AbortRetryIgnoreClick();
  void sbIgnore_AbortRetryIgnoreClick();
  void sbRetry_RetryCancelClick();
  void sbCancel_RetryCancelClick();
  void edMessageBoxVariableExit(QLineEdit* sender);
  void sgOpenDialogFilterClick(FilterGrid* sender);
  void ckAllowFullOpenClick();
  void ckAllowNonSolidColorClick();

  std::unique_ptr<Ui::TfmMain> ui_;
  QDialog* aboutBox_ = nullptr;
  // The four file dialog tabs, indexed by their DialogKind.
  std::array<FileDialogTab, fileDialogKinds.size()> fileDialogTabs_;
};

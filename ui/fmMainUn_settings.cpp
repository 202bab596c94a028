// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// The composer window's controls read into a settings value and written from one: what
// "&Test" and "&Copy" read, and what New and the creator buttons write back.

#include "ui/fmMainUn.h"

#include "ui_fmMainUn.h"

#include "ui/display_lines.h"

ComposerSettings TfmMain::readSettings() const {
  ComposerSettings settings;
  settings.activeCreator = activeCreator();
  settings.messageBox = readMessageBox();
  settings.inputBox = readInputBox();
  settings.commonDialog = readCommonDialog();
  return settings;
}

MessageBoxSettings TfmMain::readMessageBox() const {
  MessageBoxSettings settings;
  settings.caption = ui_->cbMessageBoxCaption->currentText().toStdString();
  const QString message = plainTextEditText(*ui_->meMessageBoxText);
  settings.text = withCrLfLineBreaks(message).toStdString();
  settings.lines = displayLines(message, ui_->meMessageBoxText->font(), plainTextEditTextWidth(*ui_->meMessageBoxText));
  settings.icon = static_cast<IconChoice>(ui_->iconButtons->checkedId());
  settings.buttons = static_cast<ButtonChoice>(ui_->buttonChoiceButtons->checkedId());
  settings.systemModal = ui_->ckSystemModal->isChecked();
  settings.variable = ui_->edMessageBoxVariable->text().toStdString();
  return settings;
}

InputBoxSettings TfmMain::readInputBox() const {
  InputBoxSettings settings;
  settings.caption = ui_->edInputBoxCaption->text().toStdString();
  settings.prompt = ui_->edInputBoxText->text().toStdString();
  settings.defaultText = ui_->edInputBoxDefault->text().toStdString();
  settings.variable = ui_->edInputBoxVariable->text().toStdString();
  return settings;
}

CommonDialogSettings TfmMain::readCommonDialog() const {
  CommonDialogSettings settings;
  settings.activeDialog = static_cast<DialogKind>(ui_->pcCommonDialog->currentIndex());
  for (DialogKind kind : fileDialogKinds) fileDialogSettings(settings, kind) = readFileDialogTab(fileDialogTab(kind));
  settings.fontDevice = static_cast<FontDevice>(ui_->fontDeviceButtons->checkedId());
  settings.allowCustomColors = ui_->ckAllowFullOpen->isChecked();
  settings.showCustomColors = ui_->ckFullOpen->isChecked();
  settings.allowNonSolidColors = ui_->ckAllowNonSolidColor->isChecked();
  settings.useNearestSolidColor = ui_->ckUseNearestColor->isChecked();
  settings.allowPrintToFile = ui_->ckAllowPrintToFile->isChecked();
  return settings;
}

// The display lines are not written: they follow from the text and the box's width.
void TfmMain::writeMessageBox(const MessageBoxSettings& settings) {
  ui_->cbMessageBoxCaption->setCurrentIndex(-1);
  ui_->cbMessageBoxCaption->setEditText(QString::fromStdString(settings.caption));
  ui_->meMessageBoxText->setPlainText(
      QString::fromStdString(settings.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  ui_->ckSystemModal->setChecked(settings.systemModal);
  ui_->iconButtons->button(static_cast<int>(settings.icon))->setChecked(true);
  ui_->buttonChoiceButtons->button(static_cast<int>(settings.buttons))->setChecked(true);
  showButtonChoice(settings.buttons);
  ui_->edMessageBoxVariable->setText(QString::fromStdString(settings.variable));
}

void TfmMain::writeInputBox(const InputBoxSettings& settings) {
  ui_->edInputBoxCaption->setText(QString::fromStdString(settings.caption));
  ui_->edInputBoxText->setText(QString::fromStdString(settings.prompt));
  ui_->edInputBoxDefault->setText(QString::fromStdString(settings.defaultText));
  ui_->edInputBoxVariable->setText(QString::fromStdString(settings.variable));
}

// The tab in front, activeDialog, is left to the caller: New brings the first tab forward.
void TfmMain::writeCommonDialog(const CommonDialogSettings& settings) {
  for (DialogKind kind : fileDialogKinds) writeFileDialogTab(fileDialogTab(kind), fileDialogSettings(settings, kind));
  ui_->fontDeviceButtons->button(static_cast<int>(settings.fontDevice))->setChecked(true);
  ui_->ckAllowFullOpen->setChecked(settings.allowCustomColors);
  ui_->ckFullOpen->setChecked(settings.showCustomColors);
  ui_->ckAllowNonSolidColor->setChecked(settings.allowNonSolidColors);
  ui_->ckUseNearestColor->setChecked(settings.useNearestSolidColor);
  ui_->ckAllowPrintToFile->setChecked(settings.allowPrintToFile);
  ckAllowFullOpenClick();
  ckAllowNonSolidColorClick();
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer_settings.h"

ComposerSettings defaults() { return ComposerSettings{}; }

void resetMessageBox(ComposerSettings& settings) { settings.messageBox = MessageBoxSettings{}; }

void resetInputBox(ComposerSettings& settings) { settings.inputBox = InputBoxSettings{}; }

void resetCommonDialog(ComposerSettings& settings) { settings.commonDialog = CommonDialogSettings{}; }

FileDialogSettings* fileDialogSettings(CommonDialogSettings& settings, DialogKind kind) {
  switch (kind) {
    case DialogKind::Open:
      return &settings.open;
    case DialogKind::Save:
      return &settings.save;
    case DialogKind::OpenPicture:
      return &settings.openPicture;
    case DialogKind::SavePicture:
      return &settings.savePicture;
    case DialogKind::Font:
    case DialogKind::Color:
    case DialogKind::Print:
      break;
  }
  return nullptr;
}

const FileDialogSettings* fileDialogSettings(const CommonDialogSettings& settings, DialogKind kind) {
  return fileDialogSettings(const_cast<CommonDialogSettings&>(settings), kind);
}

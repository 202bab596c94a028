// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/composer_settings.h"

ComposerSettings defaults() { return ComposerSettings{}; }

void resetMessageBox(ComposerSettings& settings) { settings.messageBox = MessageBoxSettings{}; }

void resetInputBox(ComposerSettings& settings) { settings.inputBox = InputBoxSettings{}; }

void resetCommonDialog(ComposerSettings& settings) { settings.commonDialog = CommonDialogSettings{}; }

namespace {

// The file dialog kinds are the first dialog kinds, so a kind's value is its place in the list.
constexpr bool fileKindsLeadTheDialogKinds() {
  for (std::size_t place = 0; place < fileDialogKinds.size(); ++place)
    if (fileDialogKinds[place] != static_cast<DialogKind>(place)) return false;
  return true;
}
static_assert(fileKindsLeadTheDialogKinds());

std::size_t place(DialogKind kind) { return static_cast<std::size_t>(kind); }

}  // namespace

bool isFileDialog(DialogKind kind) { return place(kind) < fileDialogKinds.size(); }

const FileDialogSettings& fileDialogSettings(const CommonDialogSettings& settings, DialogKind fileKind) {
  return settings.files.at(place(fileKind));
}

FileDialogSettings& fileDialogSettings(CommonDialogSettings& settings, DialogKind fileKind) {
  return settings.files.at(place(fileKind));
}

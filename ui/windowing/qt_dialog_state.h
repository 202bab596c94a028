// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Qt's non-native file and colour dialogs keep their history, last folder,
// view mode, sidebar, column state and custom colours through QSettings under
// "QtProject" in the user's and the system's configuration folders. From the
// first QtDialogStateGuard on, every Qt settings file of the process points at
// a place where no file can exist or be made (also for the custom colours that
// Qt writes when the program ends), so the dialogs read nothing from disk and
// write nothing to it; when a guard ends, what they stored in memory is
// dropped, so the next preview starts from the program's own settings again.
class QtDialogStateGuard {
 public:
  QtDialogStateGuard();
  ~QtDialogStateGuard();
  QtDialogStateGuard(const QtDialogStateGuard&) = delete;
  QtDialogStateGuard& operator=(const QtDialogStateGuard&) = delete;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/common_dialogs/file_dialog_request.h"

class QFileDialog;

// Sets up a non-native Qt file dialog as the request describes: mode, title
// (Qt's own "Open" or "Save As" where it is empty), the file types with the
// first one preselected and their patterns hidden, the default extension, no
// overwrite prompt, any file name accepted and the current directory.
void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// Shows the file dialog of the request as a common dialog; the chosen name is
// discarded.
void showFileDialog(const FileDialogRequest& request);

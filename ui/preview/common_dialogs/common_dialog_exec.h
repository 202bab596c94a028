// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QDialog;

// Shows one of the common dialogs modally without an owner, so every other
// window of the program is blocked. The dialog, and any dialog it opens (the
// print dialog's printer properties), is placed once when first shown at
// commonDialogPosition on the primary screen. The window that was active
// before is activated again afterwards. Returns whether the dialog was
// confirmed.
bool execCommonDialog(QDialog& dialog);

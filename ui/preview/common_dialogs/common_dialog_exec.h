// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QDialog;

// Shows one of the common dialogs modally without an owner, so every other
// window of the program is blocked. The dialog, and any dialog it opens (the
// print dialog's printer properties), is placed once when first shown at
// commonDialogPosition on the primary screen. Returns whether the dialog was
// confirmed. Activating the window that was active before is left to the
// ActiveWindowGuard that spans every preview.
bool execCommonDialog(QDialog& dialog);

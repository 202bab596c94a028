// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/common_dialogs/font_dialog_request.h"

// Shows the font dialog of the request as a common dialog. The printer-font
// kinds need the current printer: throws PreviewError when there is none or
// it is no longer installed.
void showFontDialog(const FontDialogRequest& request);

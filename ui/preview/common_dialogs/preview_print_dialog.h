// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/common_dialogs/print_dialog_request.h"

// Shows the print dialog for a copy of the current printer as a common dialog.
// When it is confirmed, the printer and settings chosen become the current
// printer; when it is cancelled nothing changes. Throws PreviewError when there
// is no default printer.
void showPrintDialog(const PrintDialogRequest& request);

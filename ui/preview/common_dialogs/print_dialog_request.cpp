// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/print_dialog_request.h"

PrintDialogRequest printDialogRequest(const CommonDialogSettings& settings) { return {settings.allowPrintToFile}; }

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/font_dialog_request.h"

FontDialogRequest fontDialogRequest(FontDevice device) {
  return {device != FontDevice::PrinterFontsOnly, device != FontDevice::ScreenFontsOnly};
}

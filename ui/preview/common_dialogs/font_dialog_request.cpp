// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "font_dialog_request.h"

#include "window_font.h"

namespace {

std::uint32_t deviceFlag(FontDevice device) {
  switch (device) {
    case FontDevice::AllFonts:
      return CF_BOTH;
    case FontDevice::ScreenFontsOnly:
      return CF_SCREENFONTS;
    case FontDevice::PrinterFontsOnly:
      return CF_PRINTERFONTS;
  }
  return CF_BOTH;
}

}  // namespace

FontDialogRequest fontDialogRequest(FontDevice device) {
  FontDialogRequest request;
  request.flags = deviceFlag(device) | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
  request.faceName = QString::fromLatin1(windowFontFace);
  request.pointSize = windowFontPoints;
  return request;
}

bool listsPrinterFonts(const FontDialogRequest& request) { return (request.flags & CF_PRINTERFONTS) != 0; }

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer_settings.h"

#include <QString>
#include <cstdint>

// Flags of the platform's font request that the preview sets.
inline constexpr std::uint32_t CF_SCREENFONTS = 0x1;
inline constexpr std::uint32_t CF_PRINTERFONTS = 0x2;
inline constexpr std::uint32_t CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
inline constexpr std::uint32_t CF_ENABLEHOOK = 0x8;
inline constexpr std::uint32_t CF_INITTOLOGFONTSTRUCT = 0x40;
inline constexpr std::uint32_t CF_EFFECTS = 0x100;

// The encoded window-text system colour, the font component's default colour.
inline constexpr std::uint32_t windowTextColor = 0x80000008;

// The font dialog with the defaults of the run-time font component: the
// default window font selected, the effects (strike-out, underline, colour)
// offered, no size limits.
struct FontDialogRequest {
  // The device flag (CF_BOTH, CF_SCREENFONTS or CF_PRINTERFONTS) plus
  // CF_ENABLEHOOK, CF_INITTOLOGFONTSTRUCT and CF_EFFECTS.
  std::uint32_t flags = 0;
  QString faceName;
  int pointSize = 0;
  std::uint32_t color = windowTextColor;
};

FontDialogRequest fontDialogRequest(FontDevice device);

// Whether the dialog lists the current printer's fonts, and so needs a printer.
bool listsPrinterFonts(const FontDialogRequest& request);

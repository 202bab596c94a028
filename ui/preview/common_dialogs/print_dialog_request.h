// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer_settings.h"

#include <cstdint>

// Flags of the platform's print request that the preview sets.
inline constexpr std::uint32_t PD_ALLPAGES = 0x0;
inline constexpr std::uint32_t PD_NOSELECTION = 0x4;
inline constexpr std::uint32_t PD_NOPAGENUMS = 0x8;
inline constexpr std::uint32_t PD_NOWARNING = 0x80;
inline constexpr std::uint32_t PD_ENABLEPRINTHOOK = 0x1000;
inline constexpr std::uint32_t PD_ENABLESETUPHOOK = 0x2000;
inline constexpr std::uint32_t PD_HIDEPRINTTOFILE = 0x100000;

// The print dialog for the current printer with the defaults of the run-time
// print component: all pages, no page numbers, no selection and no page-range
// choice, the print-to-file choice hidden unless allowed (and then unchecked).
struct PrintDialogRequest {
  std::uint32_t flags = 0;
};

PrintDialogRequest printDialogRequest(bool allowPrintToFile);

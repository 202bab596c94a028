// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer_settings.h"

#include <array>
#include <cstdint>

// Flags of the platform's colour request that the preview sets.
inline constexpr std::uint32_t CC_RGBINIT = 0x1;
inline constexpr std::uint32_t CC_FULLOPEN = 0x2;
inline constexpr std::uint32_t CC_PREVENTFULLOPEN = 0x4;
inline constexpr std::uint32_t CC_ENABLEHOOK = 0x10;
inline constexpr std::uint32_t CC_SOLIDCOLOR = 0x80;
inline constexpr std::uint32_t CC_ANYCOLOR = 0x100;

inline constexpr std::uint32_t unsetCustomColor = 0xFFFFFFFF;

// The colour dialog with the defaults of the run-time colour component: black
// selected and sixteen unset (white) custom colours, so nothing defined in one
// preview shows in the next.
struct ColorDialogRequest {
  // CC_RGBINIT | CC_ENABLEHOOK plus the option flags of the settings.
  std::uint32_t flags = 0;
  std::uint32_t color = 0;
  std::array<std::uint32_t, 16> customColors{};
};

// Follows the four options as they are; the window's coupling of the check
// boxes is not enforced here.
ColorDialogRequest colorDialogRequest(const CommonDialogSettings& settings);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer_settings.h"

#include <cstdint>

// Flag bits of the platform's message box that the style word uses.
inline constexpr std::uint32_t MB_SYSTEMMODAL = 0x1000;

// What the icon adds to the style word (the platform's icon flag).
std::uint32_t iconChoiceValue(IconChoice icon);

// The flag word that the preview passes to the message box and that the
// generated code writes in decimal: system-modal, icon, buttons and default
// button. Every addend has its own bits, so the sum is the bitwise or.
std::uint32_t MessageBoxStyle(const MessageBoxSettings& settings);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <cstdint>

// The bits of the platform's message-box style word: the generated code writes
// the word in decimal and the preview decodes it, so both read these names.
// Button set, in the low four bits.
inline constexpr std::uint32_t MB_OK = 0x0;
inline constexpr std::uint32_t MB_OKCANCEL = 0x1;
inline constexpr std::uint32_t MB_ABORTRETRYIGNORE = 0x2;
inline constexpr std::uint32_t MB_YESNOCANCEL = 0x3;
inline constexpr std::uint32_t MB_YESNO = 0x4;
inline constexpr std::uint32_t MB_RETRYCANCEL = 0x5;
inline constexpr std::uint32_t MB_TYPEMASK = 0xF;
// Icon, in the next four bits.
inline constexpr std::uint32_t MB_ICONERROR = 0x10;
inline constexpr std::uint32_t MB_ICONQUESTION = 0x20;
inline constexpr std::uint32_t MB_ICONWARNING = 0x30;
inline constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr std::uint32_t MB_ICONMASK = 0xF0;
// Default button: the first, second or third of the set.
inline constexpr std::uint32_t MB_DEFBUTTON1 = 0x0;
inline constexpr std::uint32_t MB_DEFBUTTON2 = 0x100;
inline constexpr std::uint32_t MB_DEFBUTTON3 = 0x200;
inline constexpr std::uint32_t MB_DEFMASK = 0xF00;
// Modality.
inline constexpr std::uint32_t MB_SYSTEMMODAL = 0x1000;

// What the icon adds to the style word (the platform's icon flag).
std::uint32_t iconChoiceValue(IconChoice icon);

// The flag word that the preview passes to the message box and that the
// generated code writes in decimal: system-modal, icon, buttons and default
// button. Every addend has its own bits, so the sum is the bitwise or.
std::uint32_t MessageBoxStyle(const MessageBoxSettings& settings);

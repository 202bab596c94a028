// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "color_ref.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr std::uint32_t systemColorBit = 0x80000000;
constexpr std::uint32_t systemColorMask = 0xFF000000;

}  // namespace

QColor colorFromColorRef(std::uint32_t value) {
  if ((value & systemColorMask) == systemColorBit) return QGuiApplication::palette().color(QPalette::WindowText);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

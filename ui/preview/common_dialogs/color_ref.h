// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QColor>
#include <cstdint>

// A colour value of the platform's dialog requests: 0x00BBGGRR, or with the
// top bit set the system colour of the index in the low byte, of which the
// program passes only the window-text colour (8). Other high bits are ignored,
// so 0xFFFFFFFF is white.
QColor colorFromColorRef(std::uint32_t value);

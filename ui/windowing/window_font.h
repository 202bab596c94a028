// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFont>
#include <QString>

// The face of the default window font.
inline constexpr char windowFontFace[] = "MS Sans Serif";
inline constexpr int windowFontPoints = 8;

// The installed family that shows `faceName`: the family itself, or the
// metric-compatible Liberation Sans where it is not installed, so layouts
// measured in dialog units keep their size.
QString installedFontFamily(const QString& faceName);

// The default window font at 8 points: a character height of
// MulDiv(8, dotsPerInch, 72) pixels.
QFont defaultWindowFont(int dotsPerInch);

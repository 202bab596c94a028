// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/window_font.h"

#include "ui/windowing/mul_div.h"

#include <QFontInfo>
#include <QStringList>

QString installedFontFamily(const QString& faceName) {
  QFont font;
  font.setFamilies(QStringList{faceName, QStringLiteral("Liberation Sans")});
  return QFontInfo(font).family();
}

QFont defaultWindowFont(int dotsPerInch) {
  constexpr int pointsPerInch = 72;
  QFont font(installedFontFamily(QString::fromLatin1(windowFontFace)));
  font.setPixelSize(MulDiv(windowFontPoints, dotsPerInch, pointsPerInch));
  return font;
}

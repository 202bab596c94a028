// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/shell_fonts.h"

#include "ui/composer_fonts.h"

#include <QStringList>

QFont productNameFont(int pixels) {
  // Liberation Sans has Arial's metrics and stands in where Arial is not installed.
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

QFont smallTypeFont(int pixels) {
  QFont font = composerWindowFont();
  font.setPixelSize(pixels);
  return font;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/composer_fonts.h"

#include "ui/windowing/window_font.h"

namespace {

QFont liberationSans() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

// The layout is in pixels at 96 dots per inch, which Qt scales on high-DPI screens.
QFont composerWindowFont() { return defaultWindowFont(96); }

QFont creatorHeaderFont() {
  QFont font = liberationSans();
  font.setPixelSize(27);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

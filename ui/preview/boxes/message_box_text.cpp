// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/message_box_text.h"

QString visibleMessageText(const QString& text, int maxLines, int maxCharacters) {
  QString visible = text.left(maxCharacters + static_cast<qsizetype>(maxLines) * 2);
  visible.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  qsizetype end = -1;
  for (int line = 0; line < maxLines; ++line) {
    end = visible.indexOf(QLatin1Char('\n'), end + 1);
    if (end < 0) break;
  }
  if (end >= 0) visible.truncate(end);
  visible.truncate(maxCharacters);
  return visible;
}

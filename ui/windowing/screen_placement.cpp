// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/screen_placement.h"

#include "ui/windowing/outer_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint centredOnScreen(const QRect& screen, QSize window) {
  return screen.topLeft() + QPoint(std::max(0, (screen.width() - window.width()) / 2),
                                   std::max(0, (screen.height() - window.height()) / 2));
}

QPoint commonDialogPosition(const QRect& screen, QSize window) {
  return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3);
}

void placeCentredOnScreen(QWidget& window) {
  new OuterPlacement(&window, [&window](QSize outer) { return centredOnScreen(window.screen()->geometry(), outer); });
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window stands on a screen: the top-left corner of its outer rectangle, frame
// included, for the screen's rectangle and the window's outer size.

// Centred, remainders dropped, never above or left of the screen's edge: a window larger
// than the screen keeps its title bar on it.
QPoint centredOnScreen(const QRect& screen, QSize window);

// Where a common dialog stands: centred across and one third of the free height down;
// each division truncates toward zero, so a dialog larger than the screen stands partly
// off it, as the platform's own placement of these dialogs does.
QPoint commonDialogPosition(const QRect& screen, QSize window);

// Keeps the window centred on its screen by its outer rectangle: when it is shown, and
// again when the window manager frames it (see OuterPlacement).
void placeCentredOnScreen(QWidget& window);

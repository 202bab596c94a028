// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QSize>

// Where a window of outer size `window` stands centred on a screen of size `screen`,
// remainders dropped, never above or left of the screen's edge.
QPoint centredOnScreen(QSize screen, QSize window);

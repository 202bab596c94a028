// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a common dialog stands on `screen`: centred across and one third of
// the free height down; each division truncates toward zero, so a window
// larger than the screen stands partly off it.
QPoint commonDialogPosition(const QRect& screen, QSize window);

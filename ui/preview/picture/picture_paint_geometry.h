// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QRect>
#include <QSize>

// Where the paint box of the picture pane draws a picture of `picture` pixels
// (both sides positive) in a box of `box` pixels. A picture that fits is drawn
// at its natural size, centred, the offsets truncated toward zero. A larger one
// is scaled with its proportions kept and anchored at the top-left corner: a
// picture wider than high takes the box's full width, any other the full
// height, the other side computed with MulDiv; where that side would then
// overrun the box, the other side is the one that takes the box's length, so
// the whole picture is always seen.
QRect picturePaintRect(QSize box, QSize picture);

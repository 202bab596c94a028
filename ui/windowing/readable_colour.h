// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

// The colours the windows fix instead of taking them from the palette.
enum class FixedColour {
  Note,            // red text: the notes and button-set labels, a link while pressed
  Link,            // blue text: the About box's links
  CaptionedPanel,  // the grey behind the white captions of the header and the creator panel
};

// The colour to paint `which` with under `palette`. On a light palette the fixed colour
// itself (red, blue, mid-grey). Where the palette is dark (its window darker than its
// text) or asks for high contrast (text and window at least 20:1 apart, black on white or
// the reverse), a colour of the same hue that reaches 4.5:1: text against the window, the
// button colour and the lighter shade of it that tab pages are painted in, the panel
// against its white captions; a link takes the palette's own link colour where that
// already reaches 4.5:1.
QColor readableColour(FixedColour which, const QPalette& palette);

// The contrast ratio of two colours, from 1:1 to 21:1, by their relative luminance.
double contrastRatio(const QColor& first, const QColor& second);

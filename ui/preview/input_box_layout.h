// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The input box is laid out in dialog units measured from its font.
struct DialogUnits {
  int x = 0;  // average width of the letters A-Z and a-z, remainder dropped
  int y = 0;  // height of a line of text
};

// `alphabetWidth` is the width of "A...Za...z" measured as one text.
DialogUnits dialogUnits(int alphabetWidth, int textHeight);

// Pixel positions and sizes of the input box's parts (client coordinates).
struct InputBoxLayout {
  QSize clientSize;
  QPoint promptPosition;  // the label is as wide as its text
  QPoint editPosition;    // the edit keeps its natural height
  int editWidth = 0;
  QRect okButton;
  QRect cancelButton;
};

InputBoxLayout inputBoxLayout(DialogUnits units);

// Centred on the screen, remainders dropped, never above or left of its edge.
QPoint inputBoxPosition(QSize screen, QSize window);

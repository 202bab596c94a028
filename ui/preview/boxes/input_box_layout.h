// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "ui/windowing/dialog_units.h"

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

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/input_box_layout.h"

#include "ui/windowing/mul_div.h"

namespace {

int horizontal(int value, DialogUnits units) { return MulDiv(value, units.x, 4); }
int vertical(int value, DialogUnits units) { return MulDiv(value, units.y, 8); }

QRect buttonRect(int left, DialogUnits units) {
  return {horizontal(left, units), vertical(41, units), horizontal(50, units), vertical(14, units)};
}

}  // namespace

InputBoxLayout inputBoxLayout(DialogUnits units) {
  InputBoxLayout layout;
  layout.clientSize = {horizontal(180, units), vertical(63, units)};
  layout.promptPosition = {horizontal(8, units), vertical(8, units)};
  layout.editPosition = {layout.promptPosition.x(), vertical(19, units)};
  layout.editWidth = horizontal(164, units);
  layout.okButton = buttonRect(38, units);
  layout.cancelButton = buttonRect(92, units);
  return layout;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "input_box_layout.h"

#include "mul_div.h"

#include <algorithm>

namespace {

constexpr int alphabetLength = 52;

int horizontal(int value, DialogUnits units) { return MulDiv(value, units.x, 4); }
int vertical(int value, DialogUnits units) { return MulDiv(value, units.y, 8); }

QRect buttonRect(int left, DialogUnits units) {
  return {horizontal(left, units), vertical(41, units), horizontal(50, units), vertical(14, units)};
}

}  // namespace

DialogUnits dialogUnits(int alphabetWidth, int textHeight) { return {alphabetWidth / alphabetLength, textHeight}; }

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

QPoint inputBoxPosition(QSize screen, QSize window) {
  return {std::max(0, (screen.width() - window.width()) / 2), std::max(0, (screen.height() - window.height()) / 2)};
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QToolButton>

// A speed button of a radio group with exactly one button down: the creator
// buttons and the icon and button-set buttons. The keyboard meets the group as a
// radio group: Tab stops at the button that is down (a mouse click takes no
// focus), and the arrow keys click the neighbour in their direction and move the
// focus to it. A screen reader reads it as a focusable radio button named by its
// caption (or by its accessible name where it shows only a picture); Qt reads a
// checkable QToolButton as a check box, which promises that it can be turned off
// on its own.
class RadioSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  explicit RadioSpeedButton(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;

 private:
  void followDownState();
};

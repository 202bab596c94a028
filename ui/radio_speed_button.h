// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QToolButton>

// A speed button of a radio group with exactly one button down: the creator
// buttons and the icon and button-set buttons. A screen reader reads it as a
// radio button named by its caption (or by its accessible name where it shows
// only a picture); Qt reads a checkable QToolButton as a check box, which
// promises that it can be turned off on its own.
class RadioSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  explicit RadioSpeedButton(QWidget* parent = nullptr);
};

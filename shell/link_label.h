// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QLabel>

// A label that stands for a link, as in a browser: Tab reaches it (a click does not give
// it the focus), it shows the focus with a focus rectangle, and Enter or Space activates
// it. A screen reader reads it as a link named by its text, with a press action.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  void activated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/picture.h"

#include <QWidget>
#include <functional>
#include <optional>

// The picture pane's paint box: the pane's picture at its natural size,
// centred, or scaled down to fit from the top-left corner; "(None)" centred
// without one. A double click calls `onDoubleClick`.
class PicturePaintBox : public QWidget {
 public:
  PicturePaintBox(const std::optional<Picture>& picture, std::function<void()> onDoubleClick, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const std::optional<Picture>& picture_;
  std::function<void()> onDoubleClick_;
};

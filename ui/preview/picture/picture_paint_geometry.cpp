// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_paint_geometry.h"

#include "ui/windowing/mul_div.h"

namespace {

bool fits(QSize size, QSize box) { return size.width() <= box.width() && size.height() <= box.height(); }

}  // namespace

QRect picturePaintRect(QSize box, QSize picture) {
  if (fits(picture, box))
    return {QPoint((box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2), picture};
  const QSize fullWidth(box.width(), MulDiv(picture.height(), box.width(), picture.width()));
  const QSize fullHeight(MulDiv(picture.width(), box.height(), picture.height()), box.height());
  const bool wide = picture.width() > picture.height();
  QSize scaled = wide ? fullWidth : fullHeight;
  if (!fits(scaled, box)) scaled = wide ? fullHeight : fullWidth;
  return {QPoint(0, 0), scaled};
}

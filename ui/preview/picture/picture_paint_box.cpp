// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_paint_box.h"

#include "ui/preview/picture/picture_paint_geometry.h"

#include <QMouseEvent>
#include <QPainter>

PicturePaintBox::PicturePaintBox(const std::optional<Picture>& picture, std::function<void()> onDoubleClick,
                                 QWidget* parent)
    : QWidget(parent), picture_(picture), onDoubleClick_(std::move(onDoubleClick)) {}

void PicturePaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_)
    picture_->draw(painter, picturePaintRect(size(), picture_->size()));
  else
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("(None)"));
}

void PicturePaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) onDoubleClick_();
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/bevel_panel.h"

#include <QPainter>

namespace {

void drawBevel(QPainter& painter, QRect rect, BevelPanel::Bevel bevel, const QPalette& palette) {
  if (bevel == BevelPanel::Bevel::None) return;
  const bool lowered = bevel == BevelPanel::Bevel::Lowered;
  const QColor topLeft = lowered ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
  const QColor bottomRight = lowered ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
  painter.setPen(topLeft);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void BevelPanel::setOuterBevel(Bevel bevel) {
  outer_ = bevel;
  update();
}

void BevelPanel::setInnerBevel(Bevel bevel) {
  inner_ = bevel;
  update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outerRect = rect();
  drawBevel(painter, outerRect, outer_, palette());
  const QRect innerRect = outer_ == Bevel::None ? outerRect : outerRect.adjusted(1, 1, -1, -1);
  drawBevel(painter, innerRect, inner_, palette());
}

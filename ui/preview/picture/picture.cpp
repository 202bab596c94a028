// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture.h"

#include <QPainter>

void Picture::draw(QPainter& painter, const QRect& target) const { painter.drawImage(target, raster_); }

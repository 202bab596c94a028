// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

void Picture::draw(QPainter& painter, const QRect& target) const {
  if (drawing_)
    drawing_->render(&painter, target);
  else
    painter.drawImage(target, image_);
}

std::optional<Picture> Picture::fromImage(const QByteArray& bytes, const char* format) {
  QBuffer buffer;
  buffer.setData(bytes);
  // The format is forced: a JPEG named ".bmp" is not a bitmap. The reader's
  // allocation limit turns away headers that claim absurd dimensions before
  // anything is allocated.
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);
  Picture picture;
  picture.image_ = reader.read();
  if (picture.image_.isNull()) return std::nullopt;
  picture.size_ = picture.image_.size();
  return picture;
}

std::optional<Picture> Picture::fromSvg(const QByteArray& svg, QSize size) {
  if (size.isEmpty()) return std::nullopt;
  auto drawing = std::make_shared<QSvgRenderer>(svg);
  if (!drawing->isValid()) return std::nullopt;
  Picture picture;
  picture.drawing_ = std::move(drawing);
  picture.size_ = size;
  return picture;
}

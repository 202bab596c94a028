// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <memory>
#include <optional>

class QPainter;
class QRect;
class QSvgRenderer;

// A loaded picture of the picture pane: a bitmap or icon held as an image, or
// a metafile held as its drawing, with its size in pixels.
class Picture {
 public:
  QSize size() const { return size_; }
  // Draws the whole picture stretched over `target`.
  void draw(QPainter& painter, const QRect& target) const;

  // The image in `bytes` read as `format` ("bmp", "ico") and nothing else;
  // nothing when it cannot be read or is empty.
  static std::optional<Picture> fromImage(const QByteArray& bytes, const char* format);
  // The drawing in `svg` shown at `size`; nothing when it cannot be parsed or
  // the size is empty.
  static std::optional<Picture> fromSvg(const QByteArray& svg, QSize size);

 private:
  Picture() = default;

  QSize size_;
  QImage image_;
  std::shared_ptr<QSvgRenderer> drawing_;
};

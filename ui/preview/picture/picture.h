// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/regular_file.h"

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// A picture file as the pane opened it, for the picture helper to read (this
// process reads none of it), and its kind from the extension ("bmp", "ico",
// "wmf", "emf").
struct PictureFile {
  std::shared_ptr<const FileDescriptor> file;
  QString kind;
};

// A picture of the picture pane as the picture helper drew it: its natural
// size in pixels, a raster drawn for the size the pane or the Preview window
// asked for, and the file, so that it can be drawn again at another size.
class Picture {
 public:
  Picture(PictureFile file, QSize size, QImage raster)
      : file_(std::move(file)), size_(size), raster_(std::move(raster)) {}

  const PictureFile& file() const { return file_; }
  QSize size() const { return size_; }
  const QImage& raster() const { return raster_; }
  // Draws the raster stretched over `target`.
  void draw(QPainter& painter, const QRect& target) const;

 private:
  PictureFile file_;
  QSize size_;
  QImage raster_;
};

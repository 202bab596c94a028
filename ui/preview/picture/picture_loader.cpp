// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_loader.h"

#include "ui/preview/picture/regular_file.h"

#include <QFileInfo>

namespace {

// No picture file the pane shows comes near this; larger files are not read.
constexpr qint64 maxPictureFileBytes = 64 * 1024 * 1024;

}  // namespace

std::optional<PictureFile> readPictureFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension != u"bmp" && extension != u"ico" && extension != u"wmf" && extension != u"emf") return std::nullopt;
  std::optional<QByteArray> bytes = readRegularFile(path, maxPictureFileBytes);
  if (!bytes) return std::nullopt;
  return PictureFile{std::move(*bytes), extension};
}

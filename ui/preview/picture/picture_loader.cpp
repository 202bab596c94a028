// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_loader.h"

#include "picture_helper/picture_protocol.h"
#include "ui/preview/picture/regular_file.h"

#include <QFileInfo>

std::optional<PictureFile> openPictureFile(const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension != u"bmp" && extension != u"ico" && extension != u"wmf" && extension != u"emf") return std::nullopt;
  std::shared_ptr<const FileDescriptor> file = openRegularFile(path, maxPictureFileBytes);
  if (!file) return std::nullopt;
  return PictureFile{std::move(file), extension};
}

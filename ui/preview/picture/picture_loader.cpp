// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_loader.h"

#include "metafile_converter.h"
#include "mul_div.h"
#include "regular_file.h"

#include <QFileInfo>

namespace {

// No picture file the pane shows comes near this; larger files are not read.
constexpr qint64 maxPictureFileBytes = 64 * 1024 * 1024;
constexpr int hundredthsMmPerInch = 2540;

std::optional<Picture> loadMetafile(const QByteArray& file, const QString& format, int dotsPerInch,
                                    MetafileConverter& converter) {
  const std::optional<MetafileDrawing> drawing = converter.convert(file, format);
  if (!drawing) return std::nullopt;
  const QSize pixels(MulDiv(drawing->frame.width(), dotsPerInch, hundredthsMmPerInch),
                     MulDiv(drawing->frame.height(), dotsPerInch, hundredthsMmPerInch));
  return Picture::fromSvg(drawing->svg, pixels);
}

}  // namespace

std::optional<Picture> loadPicture(const QString& path, int dotsPerInch, MetafileConverter& converter) {
  const QString extension = QFileInfo(path).suffix().toLower();
  const bool image = extension == u"bmp" || extension == u"ico";
  const bool metafile = extension == u"wmf" || extension == u"emf";
  if (!image && !metafile) return std::nullopt;
  const std::optional<QByteArray> bytes = readRegularFile(path, maxPictureFileBytes);
  if (!bytes) return std::nullopt;
  if (metafile) return loadMetafile(*bytes, extension, dotsPerInch, converter);
  return Picture::fromImage(*bytes, extension.toLatin1().constData());
}

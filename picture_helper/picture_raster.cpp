// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/picture_raster.h"

#include "metafile/metafile_to_svg.h"
#include "picture_helper/svg_sanitising.h"
#include "ui/preview/picture/picture_paint_geometry.h"
#include "ui/windowing/mul_div.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace {

constexpr int hundredthsMmPerInch = 2540;
// Qt's readers refuse an image that would need more (in megabytes), before
// they allocate it.
constexpr int imageAllocationLimit = 4 * maxRasterPixels / (1024 * 1024);

bool withinCeiling(QSize size) {
  return !size.isEmpty() && size.width() <= maxPictureSide && size.height() <= maxPictureSide;
}

QSize rasterSize(const PictureRequest& request, QSize natural) {
  const QSize box(request.boxWidth, request.boxHeight);
  if (request.stretch) return box;
  return picturePaintRect(box, natural).size().expandedTo(QSize(1, 1));
}

bool rasterWithinCeiling(QSize size) {
  return !size.isEmpty() && qint64(size.width()) * size.height() <= maxRasterPixels;
}

Raster failed(PictureStatus status, QSize natural = {}) { return {status, natural, {}}; }

Raster drawnImage(const PictureRequest& request, const QImage& image) {
  if (image.isNull()) return failed(PictureStatus::Unreadable);
  if (!withinCeiling(image.size())) return failed(PictureStatus::TooLarge);
  const QSize size = rasterSize(request, image.size());
  if (!rasterWithinCeiling(size)) return failed(PictureStatus::TooLarge);
  // Scaled as the painter draws an image without smoothing.
  const QImage scaled =
      size == image.size() ? image : image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return {PictureStatus::Drawn, image.size(), scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
}

Raster drawnImageFile(const PictureRequest& request, const QByteArray& file) {
  QBuffer buffer;
  buffer.setData(file);
  // The format is forced: a JPEG named ".bmp" is not a bitmap.
  QImageReader reader(&buffer, QByteArray::fromStdString(request.kind));
  reader.setDecideFormatFromContent(false);
  return drawnImage(request, reader.read());
}

Raster drawnMetafile(const PictureRequest& request, const QByteArray& file) {
  const MetafileFormat format = request.kind == "wmf" ? MetafileFormat::Wmf : MetafileFormat::Emf;
  const std::optional<ConvertedMetafile> converted =
      metafileToSvg({reinterpret_cast<const unsigned char*>(file.constData()), std::size_t(file.size())}, format);
  if (!converted) return failed(PictureStatus::Unreadable);
  const QSize natural(MulDiv(converted->frame.width, request.dotsPerInch, hundredthsMmPerInch),
                      MulDiv(converted->frame.height, request.dotsPerInch, hundredthsMmPerInch));
  if (natural.isEmpty()) return failed(PictureStatus::Unreadable);
  if (!withinCeiling(natural)) return failed(PictureStatus::TooLarge);
  const QSize size = rasterSize(request, natural);
  if (!rasterWithinCeiling(size)) return failed(PictureStatus::TooLarge);
  const std::optional<QByteArray> svg = sanitisedSvg(QByteArray::fromStdString(converted->svg));
  if (!svg) return failed(PictureStatus::TooComplex, natural);
  QSvgRenderer renderer(*svg);
  if (!renderer.isValid()) return failed(PictureStatus::Unreadable);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRect(QPoint(0, 0), size));
  painter.end();
  return {PictureStatus::Drawn, natural, image};
}

}  // namespace

// libemf2svg ends fontconfig (FcFini) after each text drawn by glyph numbers,
// which fontconfig refuses with an assertion while Qt's font database holds
// its caches. This definition takes the place of fontconfig's for the
// libraries: the helper draws one picture and exits, and fontconfig stays
// set up until then.
extern "C" void FcFini() {}

Raster rasterisePicture(const PictureRequest& request, const QByteArray& file) {
  if (request.kind == "bmp" || request.kind == "ico") return drawnImageFile(request, file);
  return drawnMetafile(request, file);
}

void prepareRasterising() {
  QImageReader::setAllocationLimit(imageAllocationLimit);
  // Icons are read by a plugin, loaded now. Other plugins stay unloaded: the
  // sandbox refuses to open them later (Landlock), and Qt then reads an
  // embedded image with its built-in readers.
  QBuffer nothing;
  QImageReader(&nothing, "ico").canRead();
  // A drawing with a text drawn once: Qt sets up its font database and
  // fontconfig before the picture arrives, while the helper is still spare.
  QSvgRenderer drawing(
      QByteArrayLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 8 8\">"
                        "<rect width=\"4\" height=\"4\"/><text y=\"8\">x</text></svg>"));
  QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  drawing.render(&painter);
}

PictureReplyHeader replyHeader(const Raster& raster) {
  const bool drawn = raster.status == PictureStatus::Drawn;
  return {pictureReplyMagic,
          raster.status,
          raster.natural.width(),
          raster.natural.height(),
          drawn ? raster.image.width() : 0,
          drawn ? raster.image.height() : 0};
}

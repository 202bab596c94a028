// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// libFuzzer target over the picture loader: every input is read as a bitmap,
// an icon, a WMF and an EMF file, each as the picture pane reads it; metafiles
// are converted in-process (the program does this in its helper process) and
// their drawing is parsed and painted.
#include "metafile_to_svg.h"
#include "picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

void paint(const Picture& picture) {
  QImage canvas(64, 48, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  picture.draw(painter, canvas.rect());
}

void loadMetafile(std::span<const unsigned char> file, MetafileFormat format) {
  const std::optional<ConvertedMetafile> converted = metafileToSvg(file, format);
  if (!converted) return;
  const QSize size(converted->frame.width / 26, converted->frame.height / 26);
  const std::optional<Picture> picture =
      Picture::fromSvg(QByteArray::fromStdString(converted->svg), size.expandedTo(QSize(1, 1)));
  if (picture) paint(*picture);
}

}  // namespace

// Qt runs on its minimal platform, whose font database is not fontconfig:
// libemf2svg ends fontconfig (FcFini) after each text drawn by glyph numbers,
// which fontconfig refuses with an assertion while Qt holds its caches. In the
// program the libraries run in the helper process, apart from Qt.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "minimal");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const char* format : {"bmp", "ico"})
    if (const std::optional<Picture> picture = Picture::fromImage(bytes, format)) paint(*picture);
  const std::span<const unsigned char> file(data, size);
  loadMetafile(file, MetafileFormat::Wmf);
  loadMetafile(file, MetafileFormat::Emf);
  return 0;
}

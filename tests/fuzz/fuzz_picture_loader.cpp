// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// libFuzzer target over the picture helper's decoding: every input is read
// as a bitmap, an icon, a WMF and an EMF file and drawn as the picture pane
// asks for it; metafiles are converted, sanitised and drawn in-process (the
// program has this done in its helper process).
#include "picture_helper/picture_raster.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

// Qt runs on its minimal platform, without a display.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "minimal");
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const char* kind : {"bmp", "ico", "wmf", "emf"}) rasterisePicture({kind, 96, 64, 48, false}, bytes);
  return 0;
}

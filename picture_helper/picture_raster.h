// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "picture_helper/picture_protocol.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

struct Raster {
  PictureStatus status = PictureStatus::Unreadable;
  QSize natural;
  QImage image;  // premultiplied ARGB32, when drawn
};

// Decodes the picture file `file` and draws it as `request` asks. Bitmaps and
// icons are read in the format of their kind alone; metafiles are converted
// to SVG, sanitised, and drawn with Qt's SVG renderer. Only for the helper
// process (and tests): the file may be hostile.
Raster rasterisePicture(const PictureRequest& request, const QByteArray& file);

// The header of the reply that carries `raster`; its pixels follow it row by row.
PictureReplyHeader replyHeader(const Raster& raster);

// Loads, before the sandbox forbids loading code, what decoding needs later:
// the icon reader's plugin, the font database; sets the ceiling of Qt's
// image readers.
void prepareRasterising();

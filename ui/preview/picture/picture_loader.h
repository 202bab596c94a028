// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "picture.h"

class MetafileConverter;

#include <QString>
#include <optional>

// The picture in the file at `path`, its kind chosen by the extension without
// regard to case: "bmp" bitmap, "ico" icon, "wmf" and "emf" metafile, whose
// size in pixels is its frame at `dotsPerInch` and which `converter` draws. Nothing when the path names no
// regular file, has another extension, or its content cannot be loaded.
std::optional<Picture> loadPicture(const QString& path, int dotsPerInch, MetafileConverter& converter);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/picture/picture.h"

#include <QString>
#include <optional>

// The picture file at `path`, its kind chosen by the extension without regard
// to case: "bmp" bitmap, "ico" icon, "wmf" and "emf" metafile. Nothing when
// the path names no regular file, has another extension, or is too large.
// It is opened, and its content left to the picture helper.
std::optional<PictureFile> openPictureFile(const QString& path);

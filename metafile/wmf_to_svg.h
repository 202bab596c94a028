// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "metafile/metafile_header.h"

#include <optional>
#include <span>
#include <string>

// The placeable Windows metafile `file`, whose header is `header`, as SVG
// through libwmf, its view box set to the placeable frame (the library would
// fit the drawing's ink to the picture), its texts converted to UTF-8 and
// escaped (the library writes them as they are stored).
std::optional<std::string> wmfToSvg(std::span<const unsigned char> file, const WmfHeader& header);

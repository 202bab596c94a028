// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "metafile/metafile_header.h"

#include <optional>
#include <span>
#include <string>

enum class MetafileFormat { Wmf, Emf };

// A metafile drawn as SVG, the whole frame filling the drawing, with the
// frame's size in 0.01 mm.
struct ConvertedMetafile {
  std::string svg;
  FrameSize frame;
};

// Converts a placeable Windows metafile or an enhanced metafile; nothing when
// its header is not accepted or the library cannot convert it. The libraries
// are not hardened against hostile files: run this only in the metafile helper
// process (or the fuzzer).
std::optional<ConvertedMetafile> metafileToSvg(std::span<const unsigned char> file, MetafileFormat format);

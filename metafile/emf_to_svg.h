// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "metafile/metafile_header.h"

#include <optional>
#include <span>
#include <string>

// The enhanced metafile `file`, whose header is `header`, as SVG through
// libemf2svg, its view box set to the header's frame (the library sizes the
// drawing by its bounds).
std::optional<std::string> emfToSvg(std::span<const unsigned char> file, const EmfHeader& header);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <string_view>

// Rewritings of the SVG documents that the metafile libraries write.

// `svg` with the size attributes of its root element replaced by a view box,
// so that the drawing's region `x`, `y`, `width`, `height` (in the drawing's
// own coordinates) is what fills the picture. Empty when `svg` has no root
// element.
std::string withViewBox(std::string_view svg, double x, double y, double width, double height);

// `svg` with every style attribute ("fill:red; stroke-width:1") written as
// the presentation attributes it stands for (fill="red" stroke-width="1"),
// which Qt's SVG renderer reads several times faster; "fill-opacity:1.0"
// and "stroke-dasharray:none", the initial values, are left out.
std::string withPresentationAttributes(std::string_view svg);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <string_view>

// `text` in the 8-bit code page of a font's character set (0 ANSI, 238
// Central European, 204 Cyrillic, ...; unknown sets count as ANSI) as the
// content of an SVG element: UTF-8 with "&", "<" and ">" escaped and the
// control characters that XML does not allow left out.
std::string svgText(std::string_view text, int charset);

// Loads the converters of every code page svgText reads, for the life of the
// process: the metafile helper does so before its system-call filter
// forbids loading code.
void loadTextCodePages();

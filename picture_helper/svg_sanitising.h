// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>
#include <optional>

// The metafile libraries' SVG `svg` as the helper's renderer may see it:
// unchanged when nothing must go, else rewritten, whatever a hostile metafile smuggled into it (a text record can close
// its own CDATA section and add elements): only the elements the libraries
// write (others dropped with their content); references only within the
// document ("#id"), except an <image>'s, which must be a base64 data URI
// holding a PNG or BMP no larger than the pixel ceiling (others dropped);
// no <style> sheets, comments, processing instructions or declarations. Nothing when the
// document is malformed, or when its elements, counted with every <use>
// expanded, exceed the ceiling, or a <use> shows an element that holds a
// <use> (fan-out).
std::optional<QByteArray> sanitisedSvg(const QByteArray& svg);

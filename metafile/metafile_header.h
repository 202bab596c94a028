// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <span>

// What the program takes from a metafile's header before any library reads
// the file. Readers accept a header only when every record of the file lies
// inside it and no record is larger than the header says, so a converter given
// the file never reads or allocates beyond it.

// A rectangle of a metafile header, edges as stored.
struct MetafileRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// A Windows metafile with the placeable header: its frame in the drawing's
// logical units, and how many of them make an inch.
struct WmfHeader {
  MetafileRect frame;
  int unitsPerInch = 0;
};

// An enhanced metafile: the drawing's bounds on the reference device in
// pixels, its frame in 0.01 mm, and the reference device's size in pixels and
// millimetres.
struct EmfHeader {
  MetafileRect bounds;
  MetafileRect frame;
  int devicePixelsX = 0;
  int devicePixelsY = 0;
  int deviceMillimetresX = 0;
  int deviceMillimetresY = 0;
};

std::optional<WmfHeader> readWmfHeader(std::span<const unsigned char> file);
std::optional<EmfHeader> readEmfHeader(std::span<const unsigned char> file);

// The frame's width and height in 0.01 mm.
struct FrameSize {
  int width = 0;
  int height = 0;
};

FrameSize frameSize(const WmfHeader& header);
FrameSize frameSize(const EmfHeader& header);

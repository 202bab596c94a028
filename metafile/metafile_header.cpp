// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_header.h"

#include <cstddef>
#include <cstdlib>

namespace {

constexpr std::uint32_t placeableKey = 0x9AC6CDD7;
constexpr std::size_t placeableSize = 22;
constexpr std::size_t wmfHeaderWords = 9;
constexpr std::uint32_t emfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t emfHeaderMinimum = 88;
constexpr std::uint32_t emfEndOfFile = 14;
constexpr int hundredthsMmPerInch = 2540;

std::uint32_t u16(std::span<const unsigned char> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::int32_t i16(std::span<const unsigned char> b, std::size_t at) { return static_cast<std::int16_t>(u16(b, at)); }
std::uint32_t u32(std::span<const unsigned char> b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }
std::int32_t i32(std::span<const unsigned char> b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

MetafileRect rect32(std::span<const unsigned char> b, std::size_t at) {
  return {i32(b, at), i32(b, at + 4), i32(b, at + 8), i32(b, at + 12)};
}

bool hasArea(const MetafileRect& r) { return r.right > r.left && r.bottom > r.top; }

// `number` × `numerator` / `denominator`, rounded half away from zero.
int scaled(std::int64_t number, std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t product = number * numerator;
  const std::int64_t magnitude = (std::llabs(product) + denominator / 2) / denominator;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

// Every record, from `at` on, has at least the size of its own header, at most
// `largest` bytes, and ends inside the file.
bool wmfRecordsFit(std::span<const unsigned char> file, std::size_t at, std::uint64_t largest) {
  while (at + 6 <= file.size()) {
    const std::uint64_t bytes = std::uint64_t{u32(file, at)} * 2;
    if (bytes < 6 || bytes > largest || bytes > file.size() - at) return false;
    if (bytes == 6 && u16(file, at + 4) == 0) return true;  // the end-of-file record
    at += bytes;
  }
  return at == file.size();
}

bool emfRecordsFit(std::span<const unsigned char> file, std::size_t at) {
  while (at + 8 <= file.size()) {
    const std::uint64_t bytes = u32(file, at + 4);
    if (bytes < 8 || bytes % 4 != 0 || bytes > file.size() - at) return false;
    if (u32(file, at) == emfEndOfFile) return true;
    at += bytes;
  }
  return at == file.size();
}

}  // namespace

std::optional<WmfHeader> readWmfHeader(std::span<const unsigned char> file) {
  const std::size_t records = placeableSize + wmfHeaderWords * 2;
  if (file.size() < records || u32(file, 0) != placeableKey) return std::nullopt;
  std::uint32_t checksum = 0;
  for (std::size_t at = 0; at < placeableSize - 2; at += 2) checksum ^= u16(file, at);
  if (checksum != u16(file, placeableSize - 2)) return std::nullopt;
  WmfHeader header;
  header.frame = {i16(file, 6), i16(file, 8), i16(file, 10), i16(file, 12)};
  header.unitsPerInch = static_cast<int>(u16(file, 14));
  if (!hasArea(header.frame) || header.unitsPerInch == 0) return std::nullopt;
  const std::uint32_t type = u16(file, placeableSize);
  if ((type != 1 && type != 2) || u16(file, placeableSize + 2) != wmfHeaderWords) return std::nullopt;
  // The library allocates the largest record the header claims before it reads one.
  const std::uint64_t largest = std::uint64_t{u32(file, placeableSize + 12)} * 2;
  if (largest > file.size() - records || !wmfRecordsFit(file, records, largest)) return std::nullopt;
  return header;
}

std::optional<EmfHeader> readEmfHeader(std::span<const unsigned char> file) {
  if (file.size() < emfHeaderMinimum || u32(file, 0) != 1 || u32(file, 40) != emfSignature) return std::nullopt;
  const std::uint32_t headerBytes = u32(file, 4);
  if (headerBytes < emfHeaderMinimum || headerBytes > file.size() || u32(file, 48) > file.size()) return std::nullopt;
  EmfHeader header;
  header.bounds = rect32(file, 8);
  header.frame = rect32(file, 24);
  header.devicePixelsX = i32(file, 72);
  header.devicePixelsY = i32(file, 76);
  header.deviceMillimetresX = i32(file, 80);
  header.deviceMillimetresY = i32(file, 84);
  if (!hasArea(header.frame) || header.devicePixelsX <= 0 || header.devicePixelsY <= 0 ||
      header.deviceMillimetresX <= 0 || header.deviceMillimetresY <= 0)
    return std::nullopt;
  if (!emfRecordsFit(file, headerBytes)) return std::nullopt;
  return header;
}

FrameSize frameSize(const WmfHeader& header) {
  const MetafileRect& f = header.frame;
  return {scaled(f.right - f.left, hundredthsMmPerInch, header.unitsPerInch),
          scaled(f.bottom - f.top, hundredthsMmPerInch, header.unitsPerInch)};
}

FrameSize frameSize(const EmfHeader& header) {
  const MetafileRect& f = header.frame;
  const std::int64_t width = std::int64_t{f.right} - f.left;
  const std::int64_t height = std::int64_t{f.bottom} - f.top;
  if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return {};
  return {static_cast<int>(width), static_cast<int>(height)};
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/emf_to_svg.h"

#include "metafile/svg_rewriting.h"

#include <emf2svg.h>

#include <cstdlib>
#include <memory>
#include <vector>

std::optional<std::string> emfToSvg(std::span<const unsigned char> file, const EmfHeader& header) {
  std::vector<char> contents(file.begin(), file.end());
  char empty[] = "";
  generatorOptions options{};
  options.nameSpace = empty;
  options.svgDelimiter = true;
  options.emfplus = true;
  char* out = nullptr;
  size_t length = 0;
  const int converted = emf2svg(contents.data(), contents.size(), &out, &length, &options);
  const std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
  if (!converted || !out) return std::nullopt;
  // The library draws in reference-device pixels, moved so that the bounds'
  // top-left corner is the origin; the frame is in 0.01 mm.
  const MetafileRect& f = header.frame;
  const double perX = header.devicePixelsX / (header.deviceMillimetresX * 100.0);
  const double perY = header.devicePixelsY / (header.deviceMillimetresY * 100.0);
  std::string svg =
      withViewBox(std::string_view(out, length), f.left * perX - header.bounds.left, f.top * perY - header.bounds.top,
                  (double(f.right) - f.left) * perX, (double(f.bottom) - f.top) * perY);
  if (svg.empty()) return std::nullopt;
  return svg;
}

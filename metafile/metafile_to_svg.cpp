// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_to_svg.h"

#include "metafile/emf_to_svg.h"
#include "metafile/wmf_to_svg.h"

std::optional<ConvertedMetafile> metafileToSvg(std::span<const unsigned char> file, MetafileFormat format) {
  if (format == MetafileFormat::Wmf) {
    const std::optional<WmfHeader> header = readWmfHeader(file);
    if (!header) return std::nullopt;
    std::optional<std::string> svg = wmfToSvg(file, *header);
    if (!svg) return std::nullopt;
    return ConvertedMetafile{std::move(*svg), frameSize(*header)};
  }
  const std::optional<EmfHeader> header = readEmfHeader(file);
  if (!header) return std::nullopt;
  std::optional<std::string> svg = emfToSvg(file, *header);
  if (!svg) return std::nullopt;
  return ConvertedMetafile{std::move(*svg), frameSize(*header)};
}

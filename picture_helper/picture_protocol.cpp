// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/picture_protocol.h"

#include <sstream>

std::string requestLine(const PictureRequest& request) {
  return request.kind + ' ' + std::to_string(request.dotsPerInch) + ' ' + std::to_string(request.boxWidth) + ' ' +
         std::to_string(request.boxHeight) + (request.stretch ? " stretch\n" : " fit\n");
}

std::optional<PictureRequest> parseRequestLine(std::string_view line) {
  std::istringstream words{std::string(line)};
  PictureRequest request;
  std::string mode;
  std::string rest;
  if (!(words >> request.kind >> request.dotsPerInch >> request.boxWidth >> request.boxHeight >> mode) ||
      (words >> rest))
    return std::nullopt;
  const bool known = request.kind == "bmp" || request.kind == "ico" || request.kind == "wmf" || request.kind == "emf";
  if (!known || (mode != "fit" && mode != "stretch")) return std::nullopt;
  request.stretch = mode == "stretch";
  if (request.dotsPerInch <= 0 || request.dotsPerInch > 10000 || request.boxWidth <= 0 || request.boxHeight <= 0 ||
      request.boxWidth > maxPictureSide || request.boxHeight > maxPictureSide ||
      std::int64_t(request.boxWidth) * request.boxHeight > maxRasterPixels)
    return std::nullopt;
  return request;
}

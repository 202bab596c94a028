// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/svg_rewriting.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>

namespace {

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
}

// The declarations the WMF library writes on every shape with the value a
// shape has anyway. Its documents are flat (no group passes another value
// down), so leaving them out changes nothing drawn, and the renderer reads a
// fifth less.
bool atInitialValue(std::string_view name, std::string_view value) {
  return (name == "fill-opacity" && value == "1.0") || (name == "stroke-dasharray" && value == "none");
}

bool isPropertyName(std::string_view name) {
  return !name.empty() &&
         std::all_of(name.begin(), name.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

// Appends ' name="value"' pairs, blank-separated, for each "name:value" of a style's declarations.
void appendAttributes(std::string& out, std::string_view style) {
  bool first = true;
  while (!style.empty()) {
    const size_t end = std::min(style.find(';'), style.size());
    const std::string_view declaration = style.substr(0, end);
    style.remove_prefix(std::min(end + 1, style.size()));
    const size_t colon = declaration.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = trimmed(declaration.substr(0, colon));
    if (!isPropertyName(name)) continue;
    const std::string_view value = trimmed(declaration.substr(colon + 1));
    if (atInitialValue(name, value)) continue;
    if (!first) out += ' ';
    first = false;
    out += name;
    out += "=\"";
    out += value;
    out += '"';
  }
}

}  // namespace

std::string withViewBox(std::string_view svg, double x, double y, double width, double height) {
  const size_t start = svg.find("<svg");
  const size_t end = start == std::string_view::npos ? start : svg.find('>', start);
  if (end == std::string_view::npos) return {};
  std::string tag(svg.substr(start + 4, end - start - 4));
  for (const char* attribute : {" width=\"", " height=\"", "\twidth=\"", "\theight=\""}) {
    const size_t at = tag.find(attribute);
    const size_t close = at == std::string::npos ? at : tag.find('"', at + std::char_traits<char>::length(attribute));
    if (close != std::string::npos) tag.erase(at, close + 1 - at);
  }
  char box[160];
  std::snprintf(box, sizeof box, " viewBox=\"%.9g %.9g %.9g %.9g\" preserveAspectRatio=\"none\"", x, y, width, height);
  std::string out(svg.substr(0, start + 4));
  out += box;
  out += tag;
  out += svg.substr(end);
  return out;
}

std::string withPresentationAttributes(std::string_view svg) {
  static constexpr std::string_view opening = "style=\"";
  // The word is sought with a skip table: its first letter is the commonest in the document.
  static const std::boyer_moore_horspool_searcher searcher(opening.begin(), opening.end());
  std::string out;
  out.reserve(svg.size());
  size_t from = 0;
  for (;;) {
    const auto found = std::search(svg.begin() + from, svg.end(), searcher);
    const size_t start = found == svg.end() ? std::string_view::npos : size_t(found - svg.begin());
    const size_t close = start == std::string_view::npos ? start : svg.find('"', start + opening.size());
    if (close == std::string_view::npos) break;
    // An attribute, not the end of another name such as "font-style".
    if (start == 0 || !std::isspace(static_cast<unsigned char>(svg[start - 1]))) {
      from = start + opening.size();
      continue;
    }
    out += svg.substr(0, start);
    appendAttributes(out, svg.substr(start + opening.size(), close - start - opening.size()));
    svg.remove_prefix(close + 1);
    from = 0;
  }
  out += svg;
  return out;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "svg_text.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <utility>

namespace {

constexpr std::array<std::pair<int, const char*>, 14> codePages{{
    {238, "CP1250"},
    {204, "CP1251"},
    {161, "CP1253"},
    {162, "CP1254"},
    {177, "CP1255"},
    {178, "CP1256"},
    {186, "CP1257"},
    {163, "CP1258"},
    {222, "CP874"},
    {128, "CP932"},
    {129, "CP949"},
    {134, "CP936"},
    {136, "CP950"},
    {130, "JOHAB"},
}};
constexpr const char* ansiCodePage = "CP1252";

const char* codePage(int charset) {
  for (const auto& [set, name] : codePages)
    if (set == charset) return name;
  return ansiCodePage;
}

// The text in UTF-8; bytes the code page does not define become "?".
std::string toUtf8(std::string_view text, const char* from) {
  const iconv_t converter = iconv_open("UTF-8", from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  while (inLeft > 0) {
    char* next = buffer;
    size_t outLeft = sizeof buffer;
    if (iconv(converter, &in, &inLeft, &next, &outLeft) == static_cast<size_t>(-1) && outLeft == sizeof buffer) {
      // Nothing converted: an undefined or incomplete byte sequence.
      ++in;
      --inLeft;
      out += '?';
    }
    out.append(buffer, next);
  }
  iconv_close(converter);
  return out;
}

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
}

// " name="value"" for each "name:value" of a style's declarations.
std::string attributes(std::string_view style) {
  std::string out;
  bool first = true;
  while (!style.empty()) {
    const size_t end = std::min(style.find(';'), style.size());
    const std::string_view declaration = style.substr(0, end);
    style.remove_prefix(std::min(end + 1, style.size()));
    const size_t colon = declaration.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view name = trimmed(declaration.substr(0, colon));
    if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz-") != std::string_view::npos) continue;
    const std::string_view value = trimmed(declaration.substr(colon + 1));
    if (!first) out += ' ';
    first = false;
    out += name;
    out += "=\"";
    out += value;
    out += '"';
  }
  return out;
}

}  // namespace

std::string svgText(std::string_view text, int charset) {
  std::string escaped;
  for (const char c : toUtf8(text, codePage(charset))) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else if (c == '"')
      escaped += "&quot;";
    else if (byte >= 0x20 || c == '\t' || c == '\n' || c == '\r')
      escaped += c;
  }
  return escaped;
}

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
  std::string out;
  out.reserve(svg.size());
  size_t from = 0;
  for (;;) {
    const size_t start = svg.find(opening, from);
    const size_t close = start == std::string_view::npos ? start : svg.find('"', start + opening.size());
    if (close == std::string_view::npos) break;
    // An attribute, not the end of another name such as "font-style".
    if (start == 0 || !std::isspace(static_cast<unsigned char>(svg[start - 1]))) {
      from = start + opening.size();
      continue;
    }
    out += svg.substr(0, start);
    out += attributes(svg.substr(start + opening.size(), close - start - opening.size()));
    svg.remove_prefix(close + 1);
    from = 0;
  }
  out += svg;
  return out;
}

void loadTextCodePages() {
  // The converters are never closed, so that glibc keeps their modules loaded.
  iconv_open("UTF-8", ansiCodePage);
  for (const auto& [set, name] : codePages) iconv_open("UTF-8", name);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/svg_text.h"

#include <iconv.h>

#include <array>
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

void loadTextCodePages() {
  // The converters are never closed, so that glibc keeps their modules loaded.
  iconv_open("UTF-8", ansiCodePage);
  for (const auto& [set, name] : codePages) iconv_open("UTF-8", name);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// The metafile helper: reads the format ("wmf" or "emf") on a line of its own
// and then one metafile from its standard input, writes the
// frame's width and height in 0.01 mm on a first line and then the drawing as
// SVG to its standard output, and exits with 0; exits with 1 when the file
// cannot be converted. Before it reads anything it enters its sandbox (limits
// on memory and processor time, Landlock, a system-call filter), so that a
// hostile file can neither exhaust the machine, run forever, nor reach the
// user's files, the network or other programs; it exits with 1 when the
// sandbox cannot be put in force.
#include "metafile/metafile_sandbox.h"
#include "metafile/metafile_to_svg.h"
#include "metafile/svg_text.h"

#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t maxInputBytes = 64 * 1024 * 1024;

bool readAll(std::vector<unsigned char>& input) {
  unsigned char buffer[65536];
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got == 0) return true;
    if (got < 0) return false;
    if (input.size() + got > maxInputBytes) return false;
    input.insert(input.end(), buffer, buffer + got);
  }
}

bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = write(fd, text.data() + done, text.size() - done);
    if (put <= 0) return false;
    done += put;
  }
  return true;
}

// Loads the text converters the conversion can use, for the life of the
// process: loading code is forbidden in the sandbox. Besides svgText's code
// pages, libemf2svg and libuemf read texts in UTF-16LE and UTF-32LE; the
// converters are never closed, so that glibc keeps their modules loaded.
void loadTextConverters() {
  loadTextCodePages();
  for (const char* encoding : {"UTF-16LE", "UTF-32LE", "LATIN1"}) iconv_open("UTF-8", encoding);
}

int convert() {
  std::vector<unsigned char> input;
  if (!readAll(input)) return 1;
  static constexpr std::string_view wmf = "wmf\n";
  static constexpr std::string_view emf = "emf\n";
  const std::string_view head(reinterpret_cast<const char*>(input.data()), std::min<size_t>(input.size(), 4));
  if (head != wmf && head != emf) return 1;
  const MetafileFormat format = head == wmf ? MetafileFormat::Wmf : MetafileFormat::Emf;
  // Whatever the libraries print goes to the error output; the standard
  // output carries the result alone.
  const int result = dup(STDOUT_FILENO);
  if (result < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 1;
  const std::optional<ConvertedMetafile> converted = metafileToSvg(std::span(input).subspan(4), format);
  if (!converted) return 1;
  return writeAll(result, std::to_string(converted->frame.width) + ' ' + std::to_string(converted->frame.height) +
                              '\n' + converted->svg)
             ? 0
             : 1;
}

}  // namespace

int main() {
  loadTextConverters();
  // The process ends with _exit: nothing is left to flush, and the leak
  // check that sanitizer builds run at exit stops the process with clone and
  // ptrace, which the filter forbids (the fuzzer, which runs the libraries in
  // its own process, checks them for leaks).
  if (!enterMetafileSandbox()) _exit(1);
  _exit(convert());
}

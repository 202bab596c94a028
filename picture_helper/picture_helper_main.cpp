// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture helper: reads a request line and then one picture file from
// its standard input (picture_protocol.h), decodes and draws the picture at
// the size asked for, and writes the reply header and the raster's pixels to
// its standard output; exits with 0 when it answered, 1 when the request or
// the sandbox failed. Before it reads anything it sets up what decoding
// needs (Qt's offscreen platform, fonts, image plugins, text converters) and
// enters its sandbox (limits on memory and processor time, Landlock, a
// system-call filter), so that a hostile file can neither exhaust the
// machine, run forever, nor reach the user's files, the network or other
// programs. The program that started it interprets nothing but the header
// and the pixels.
#include "metafile/metafile_sandbox.h"
#include "metafile/svg_text.h"
#include "picture_helper/picture_raster.h"

#include <QGuiApplication>

#include <fcntl.h>
#include <iconv.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr qsizetype maxInputBytes = 64 * 1024 * 1024;

// Reads straight into the array, in steps as large as the pipe holds.
bool readAll(QByteArray& input) {
  constexpr qsizetype step = 1024 * 1024;
  for (;;) {
    const qsizetype size = input.size();
    if (size > maxInputBytes) return false;
    input.resize(size + step);
    const ssize_t got = read(STDIN_FILENO, input.data() + size, step);
    input.resize(size + std::max<ssize_t>(got, 0));
    if (got == 0) return true;
    if (got < 0) return false;
  }
}

bool writeAll(int fd, const char* data, qsizetype size) {
  while (size > 0) {
    const ssize_t put = write(fd, data, size);
    if (put <= 0) return false;
    data += put;
    size -= put;
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

int answer() {
  QByteArray input;
  if (!readAll(input)) return 1;
  const qsizetype lineEnd = input.indexOf('\n');
  const std::optional<PictureRequest> request =
      lineEnd < 0 ? std::nullopt : parseRequestLine(std::string_view(input.constData(), lineEnd));
  if (!request) return 1;
  // Whatever the libraries print goes to the error output; the standard
  // output carries the reply alone.
  const int reply = dup(STDOUT_FILENO);
  if (reply < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 1;
  // The file's bytes where they lie, not copied.
  const Raster raster =
      rasterisePicture(*request, QByteArray::fromRawData(input.constData() + lineEnd + 1, input.size() - lineEnd - 1));
  const PictureReplyHeader header = replyHeader(raster);
  if (!writeAll(reply, reinterpret_cast<const char*>(&header), sizeof header)) return 1;
  if (raster.status != PictureStatus::Drawn) return 0;
  for (int row = 0; row < raster.image.height(); ++row)
    if (!writeAll(reply, reinterpret_cast<const char*>(raster.image.constScanLine(row)), raster.image.width() * 4))
      return 1;
  return 0;
}

// A page's first use is dear (on virtual machines above all), and a
// picture's buffers would fault in thousands of pages: the heap is made large
// and touched while the helper is spare, in huge pages where the kernel
// offers them, and kept, so that the picture's buffers reuse pages already in
// place. Every allocation up to the ceiling comes from that one heap.
void prepareHeap() {
  constexpr std::size_t heapBytes = 24 * 1024 * 1024;
  constexpr std::uintptr_t hugePage = 2 * 1024 * 1024;
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
  auto* block = static_cast<char*>(std::malloc(heapBytes));
  if (!block) return;
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(block) + hugePage - 1) & ~(hugePage - 1);
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + heapBytes) & ~(hugePage - 1);
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  explicit_bzero(block, heapBytes);
  std::free(block);
}

}  // namespace

int main() {
  prepareHeap();
  // A pipe as large as allowed, so that the picture arrives in a few steps.
  fcntl(STDIN_FILENO, F_SETPIPE_SZ, 1024 * 1024);
  loadTextConverters();
  // Qt draws without a display; its plugins and the fonts are loaded now.
  int argc = 3;
  char name[] = "quillmark-metafile";
  char platformOption[] = "-platform";
  char platform[] = "offscreen";
  char* argv[] = {name, platformOption, platform, nullptr};
  const QGuiApplication application(argc, argv);
  prepareRasterising();
  // The process ends with _exit: nothing is left to flush, and the leak
  // check that sanitizer builds run at exit stops the process with clone and
  // ptrace, which the filter forbids (the fuzzer, which runs the libraries in
  // its own process, checks them for leaks).
  if (!enterMetafileSandbox()) _exit(1);
  _exit(answer());
}

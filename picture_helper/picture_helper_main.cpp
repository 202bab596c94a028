// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture helper: receives a request and the picture file's descriptor
// on its standard input (picture_protocol.h), decodes and draws the picture at
// the size asked for, writes the reply header and the raster's pixels to its
// standard output, and waits for the next request; exits with 0 when its
// input ends between two requests or it has drawn its share of pictures, 1
// when a request or the sandbox failed. Before it reads anything it sets up what decoding
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
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The picture file behind `descriptor`, read into `file` (whose memory is
// reused from one picture to the next); false for anything but a regular
// file within the ceiling.
bool readPictureFile(int descriptor, QByteArray& file) {
  struct stat status {};
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxPictureFileBytes) return false;
  file.resize(status.st_size);
  qsizetype done = 0;
  while (done < file.size()) {
    // From the start, whatever the descriptor's position: the program
    // shares it with the other helpers it sent the file to.
    const ssize_t got = pread(descriptor, file.data() + done, file.size() - done, done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;  // cut short since it was looked at
    done += got;
  }
  file.resize(done);
  return true;
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

bool answer(int reply, const Raster& raster) {
  const PictureReplyHeader header = replyHeader(raster);
  if (!writeAll(reply, reinterpret_cast<const char*>(&header), sizeof header)) return false;
  if (raster.status != PictureStatus::Drawn) return true;
  // A premultiplied ARGB raster's rows lie one after the other, without padding.
  return writeAll(reply, reinterpret_cast<const char*>(raster.image.constBits()), raster.image.sizeInBytes());
}

// Answers the requests one after the other; 0 when the input ended between
// two of them or the helper has drawn its share, 1 on anything else.
int serve() {
  // Whatever the libraries print goes to the error output; the standard
  // output carries the replies alone.
  const int reply = dup(STDOUT_FILENO);
  if (reply < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 1;
  // One array for every file, so that its pages are reused.
  QByteArray file;
  for (int answered = 0; answered < maxPicturesPerHelper; ++answered) {
    bool ended = false;
    const std::optional<ReceivedRequest> received = receiveRequest(STDIN_FILENO, ended);
    if (!received) return ended ? 0 : 1;
    const bool read = readPictureFile(received->file, file);
    close(received->file);
    if (!answer(reply, read ? rasterisePicture(received->request, file) : Raster{})) return 1;
  }
  return 0;
}

// Loads the text converters the conversion can use, for the life of the
// process: loading code is forbidden in the sandbox. Besides svgText's code
// pages, libemf2svg and libuemf read texts in UTF-16LE and UTF-32LE; the
// converters are never closed, so that glibc keeps their modules loaded.
void loadTextConverters() {
  loadTextCodePages();
  for (const char* encoding : {"UTF-16LE", "UTF-32LE", "LATIN1"}) iconv_open("UTF-8", encoding);
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
  // A pipe that holds a pane's raster whole, so that the reply is written in
  // one go while the program reads it at its own pace.
  fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1024 * 1024);
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
  _exit(serve());
}

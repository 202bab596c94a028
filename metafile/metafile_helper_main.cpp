// The metafile helper: reads the format ("wmf" or "emf") on a line of its own
// and then one metafile from its standard input, writes the
// frame's width and height in 0.01 mm on a first line and then the drawing as
// SVG to its standard output, and exits with 0; exits with 1 when the file
// cannot be converted. It runs with limits on its memory and processor time,
// so that a hostile file can neither exhaust the machine nor run forever.
#include "metafile_to_svg.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr rlim_t memoryLimit = 512ull * 1024 * 1024;
constexpr rlim_t processorSeconds = 2;
constexpr size_t maxInputBytes = 64 * 1024 * 1024;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLMARK_ADDRESS_SANITIZER
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define QUILLMARK_ADDRESS_SANITIZER
#endif

void limit(int resource, rlim_t value) {
  const rlimit limits{value, value};
  setrlimit(resource, &limits);
}

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

}  // namespace

int main() {
#ifndef QUILLMARK_ADDRESS_SANITIZER
  // AddressSanitizer reserves terabytes of address space for itself; its test
  // builds go without the memory limit.
  limit(RLIMIT_AS, memoryLimit);
#endif
  limit(RLIMIT_CPU, processorSeconds);
  limit(RLIMIT_CORE, 0);
  limit(RLIMIT_FSIZE, 0);
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

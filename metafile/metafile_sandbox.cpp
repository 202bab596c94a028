// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_sandbox.h"

#include "metafile/address_sanitizer.h"
#include "metafile/landlock_ruleset.h"
#include "metafile/readable_folders.h"
#include "metafile/syscall_filter.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr rlim_t memoryLimit = 512ull * 1024 * 1024;
// A helper draws up to thirty pictures, and the program waits two seconds
// for each: this only ends a helper that the program no longer watches.
constexpr rlim_t processorSeconds = 60;

bool limit(int resource, rlim_t value) {
  const rlimit limits{value, value};
  return setrlimit(resource, &limits) == 0;
}

bool limitResources() {
#ifndef QUILLMARK_ADDRESS_SANITIZER
  // AddressSanitizer reserves terabytes of address space for itself; its test
  // builds go without the memory limit.
  if (!limit(RLIMIT_AS, memoryLimit)) return false;
#endif
  return limit(RLIMIT_CPU, processorSeconds) && limit(RLIMIT_CORE, 0) && limit(RLIMIT_FSIZE, 0);
}

// The variables' texts are wiped too, so that nothing the parent passed
// (a token, a path) stays in the process's memory.
void clearEnvironment() {
  for (char** entry = environ; entry && *entry; ++entry) explicit_bzero(*entry, std::strlen(*entry));
  clearenv();
}

void say(std::string_view text) {
  if (write(STDERR_FILENO, text.data(), text.size()) < 0) return;
}

}  // namespace

bool enterMetafileSandbox() {
  if (!limitResources() || close_range(STDERR_FILENO + 1, ~0U, 0) != 0) return false;
  clearEnvironment();
  // Found before the restrictions, and without the environment, as the
  // libraries will look for them.
  const std::vector<std::string> folders = metafileReadableFolders();
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
  switch (restrictFilesToReadingBeneath(folders)) {
    case LandlockResult::Enforced:
      break;
    case LandlockResult::Unsupported:
      say("quillmark-metafile: the kernel offers no Landlock; file access is not confined\n");
      break;
    case LandlockResult::Failed:
      return false;
  }
  return installMetafileSyscallFilter();
}

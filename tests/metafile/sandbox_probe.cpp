// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// Enters the metafile helper's sandbox, then tries the one thing its first
// argument names, on the path its second names. It tells what happened by its
// exit status: 0 when the call succeeded, the call's errno when it failed;
// a call the filter forbids ends it with SIGSYS instead.
#include "metafile/metafile_sandbox.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace {

int attempt(std::string_view action, const char* path) {
  if (action == "read") return open(path, O_RDONLY);
  if (action == "write") return open(path, O_WRONLY);
  if (action == "read-write") return open(path, O_RDWR);
  if (action == "create") return open(path, O_RDONLY | O_CREAT, 0600);
  if (action == "truncate") return open(path, O_RDONLY | O_TRUNC);
  if (action == "make a folder") return mkdir(path, 0700);
  if (action == "change permissions") return chmod(path, 0644);
  if (action == "socket") return socket(AF_INET, SOCK_STREAM, 0);
  if (action == "exec") {
    char* const arguments[] = {const_cast<char*>(path), nullptr};
    return execv(path, arguments);
  }
  if (action == "fork") return fork();
  if (action == "ptrace") return static_cast<int>(ptrace(PTRACE_TRACEME, 0, nullptr, nullptr));
  if (action == "signal the parent") return kill(getppid(), 0);
  if (action == "executable memory")
    return mmap(nullptr, 4096, PROT_READ | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) == MAP_FAILED ? -1 : 0;
  errno = EINVAL;
  return -1;
}

}  // namespace

// Ends with _exit, as the helper does: sanitizer builds' leak check at exit
// is forbidden by the filter.
int main(int argc, char** argv) {
  if (argc != 3 || !enterMetafileSandbox()) _exit(255);
  _exit(attempt(argv[1], argv[2]) >= 0 ? 0 : errno);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/syscall_filter.h"

#include "metafile/address_sanitizer.h"

#include <fcntl.h>

#include <sched.h>
#include <seccomp.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <cerrno>

#include <cstdint>
#include <memory>

namespace {

// The call's argument `index`, masked with `mask`, equals `value`.
scmp_arg_cmp argument(unsigned int index, std::uint64_t mask, std::uint64_t value) {
  return scmp_arg_cmp{index, SCMP_CMP_MASKED_EQ, mask, value};
}

// An int argument is compared in its 32 bits alone.
constexpr std::uint64_t intBits = 0xFFFFFFFF;

}  // namespace

// What each call is for. Anything not listed (among them socket, connect,
// execve, clone, fork, ptrace, kill, open) kills the process. Calls that
// would change the file system (openat for writing or creating, mkdir,
// chmod, unlink, rename, truncate, ...) fail with EACCES instead, as Landlock
// would have them fail: fontconfig rebuilds a cache that it finds older than
// its font folder (fonts installed after the cache was made), tries to make
// its cache folder writable and to write the new cache there, and carries on
// without when it cannot, whereas a killed helper would leave the picture
// unshown.
//
//   read, write          the result; glibc, libwmf and libemf2svg print
//                        diagnostics to the error output
//   recvmsg (standard input), pread64
//                        a request and its picture file's descriptor; the
//                        file read through it
//   openat (read only)   libwmf: the Ghostscript font map and its font files;
//                        fontconfig (libemf2svg, texts drawn by glyph
//                        numbers): its configuration, caches and font files;
//                        FreeType opens the font either finds
//   close, fstat, newfstatat, lseek
//                        glibc's stdio and FreeType on the files opened;
//                        libwmf and fontconfig look files up before opening
//   access, readlink, getdents64, fstatfs, fadvise64
//                        fontconfig: checks its configuration files, follows
//                        conf.d's links, lists font folders, asks whether a
//                        cache file can be mapped, and reads it ahead
//   fcntl (F_GETFD, F_SETFD)
//                        FreeType and fontconfig mark the files they open
//   ioctl (TCGETS)       glibc's stdio asks whether standard output is a
//                        terminal before libwmf prints to it
//   dup, dup2            the helper moves what the libraries print to
//                        standard output onto the error output
//   brk, mmap and mprotect without PROT_EXEC, munmap, mremap, madvise
//                        malloc; FreeType and fontconfig map font and cache
//                        files for reading. No memory ever becomes executable
//                        (the code pages' converters are loaded beforehand)
//   futex                glibc's locks (stdio, iconv, one-time set-ups)
//   getrandom            fontconfig's hash tables
//   sysinfo              glibc's qsort, which libwmf calls, sizes its buffer
//                        by the machine's memory
//   clock_gettime, gettimeofday, time
//                        clocks, when the vDSO does not answer
//   rt_sigreturn, exit, exit_group
//                        the end of a signal handler; the end of the process
//   clone with CLONE_THREAD, set_robust_list, rseq, rt_sigprocmask,
//   sched_getaffinity, sched_yield, prctl (PR_SET_NAME)
//                        threads: Qt converts and scales large images on its
//                        thread pool, sized by the processors the process may
//                        use, and names its threads. A thread, never a
//                        process: clone must carry CLONE_THREAD (fork and the
//                        like are killed), and clone3, whose flags sit in
//                        memory where a filter cannot read them, fails with
//                        ENOSYS, so that glibc falls back to clone
//
// AddressSanitizer builds also allow sigaltstack without a new stack: the
// run-time asks for the signal stack before every call that does not return
// (the helper's _exit). Its error reports cannot read /proc/self/maps or
// start the symbolizer here: a memory error in the helper ends it by a
// signal, and the fuzzer, which runs the libraries in its own process,
// reports it in full.
bool installMetafileSyscallFilter() {
  const std::unique_ptr<void, decltype(&seccomp_release)> filter(seccomp_init(SCMP_ACT_KILL_PROCESS), &seccomp_release);
  if (!filter) return false;
  bool added = true;
  const auto allow = [&](int call) { added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ALLOW, call, 0) == 0; };
  const auto allowIf = [&](int call, scmp_arg_cmp condition) {
    added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ALLOW, call, 1, condition) == 0;
  };
  for (const int call : {SCMP_SYS(read),
                         SCMP_SYS(write),
                         SCMP_SYS(close),
                         SCMP_SYS(fstat),
                         SCMP_SYS(newfstatat),
                         SCMP_SYS(lseek),
                         SCMP_SYS(access),
                         SCMP_SYS(readlink),
                         SCMP_SYS(getdents64),
                         SCMP_SYS(fstatfs),
                         SCMP_SYS(fadvise64),
                         SCMP_SYS(dup),
                         SCMP_SYS(dup2),
                         SCMP_SYS(brk),
                         SCMP_SYS(munmap),
                         SCMP_SYS(mremap),
                         SCMP_SYS(madvise),
                         SCMP_SYS(futex),
                         SCMP_SYS(getrandom),
                         SCMP_SYS(sysinfo),
                         SCMP_SYS(clock_gettime),
                         SCMP_SYS(gettimeofday),
                         SCMP_SYS(time),
                         SCMP_SYS(rt_sigreturn),
                         SCMP_SYS(exit),
                         SCMP_SYS(exit_group),
                         SCMP_SYS(set_robust_list),
                         SCMP_SYS(rseq),
                         SCMP_SYS(rt_sigprocmask),
                         SCMP_SYS(sched_getaffinity),
                         SCMP_SYS(sched_yield)})
    allow(call);
  constexpr int writeFlags[] = {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC};
  int writeMask = 0;
  for (const int flag : writeFlags) writeMask |= flag;
  allowIf(SCMP_SYS(recvmsg), argument(0, intBits, STDIN_FILENO));
  allow(SCMP_SYS(pread64));
  allowIf(SCMP_SYS(openat), argument(2, writeMask, 0));
  const auto refuseIf = [&](int call, scmp_arg_cmp condition) {
    added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EACCES), call, 1, condition) == 0;
  };
  for (const int flag : writeFlags) refuseIf(SCMP_SYS(openat), argument(2, flag, flag));
  for (const int call :
       {SCMP_SYS(creat),     SCMP_SYS(mkdir),     SCMP_SYS(mkdirat),   SCMP_SYS(chmod),   SCMP_SYS(fchmod),
        SCMP_SYS(fchmodat),  SCMP_SYS(chown),     SCMP_SYS(fchown),    SCMP_SYS(lchown),  SCMP_SYS(fchownat),
        SCMP_SYS(unlink),    SCMP_SYS(unlinkat),  SCMP_SYS(rmdir),     SCMP_SYS(rename),  SCMP_SYS(renameat),
        SCMP_SYS(renameat2), SCMP_SYS(link),      SCMP_SYS(linkat),    SCMP_SYS(symlink), SCMP_SYS(symlinkat),
        SCMP_SYS(truncate),  SCMP_SYS(ftruncate), SCMP_SYS(utimensat), SCMP_SYS(utimes)})
    added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(EACCES), call, 0) == 0;
  allowIf(SCMP_SYS(mmap), argument(2, PROT_EXEC, 0));
  allowIf(SCMP_SYS(mprotect), argument(2, PROT_EXEC, 0));
  for (const int command : {F_GETFD, F_SETFD}) allowIf(SCMP_SYS(fcntl), argument(1, intBits, command));
  allowIf(SCMP_SYS(ioctl), argument(1, intBits, TCGETS));
  allowIf(SCMP_SYS(clone), argument(0, CLONE_THREAD, CLONE_THREAD));
  added = added && seccomp_rule_add(filter.get(), SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0;
  allowIf(SCMP_SYS(prctl), argument(0, intBits, PR_SET_NAME));
#ifdef QUILLMARK_ADDRESS_SANITIZER
  allowIf(SCMP_SYS(sigaltstack), argument(0, ~std::uint64_t{0}, 0));
  // The sanitizer's run-time probes whether memory is readable by writing it into a pipe
  // of its own when a thread starts.
  allow(SCMP_SYS(pipe2));
#endif
  return added && seccomp_load(filter.get()) == 0;
}

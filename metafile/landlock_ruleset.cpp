// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/landlock_ruleset.h"

#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

// Every access right of the first Landlock version; the kernel refuses those
// it does not know, so later rights are added by the version it reports.
constexpr std::uint64_t firstVersionRights =
    LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
    LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE |
    LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
    LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK |
    LANDLOCK_ACCESS_FS_MAKE_SYM;
constexpr std::uint64_t readRights = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// A folder that cannot be opened (gone since it was found) is left out: the
// process cannot read it either way.
bool allowReading(int ruleset, const std::string& folder) {
  const FileDescriptor opened(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (opened.get() < 0) return true;
  landlock_path_beneath_attr rule{};
  rule.allowed_access = readRights;
  rule.parent_fd = opened.get();
  return syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0) == 0;
}

}  // namespace

LandlockResult restrictFilesToReadingBeneath(const std::vector<std::string>& folders) {
  const long version = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
  if (version < 0) return errno == ENOSYS || errno == EOPNOTSUPP ? LandlockResult::Unsupported : LandlockResult::Failed;
  landlock_ruleset_attr attributes{};
  attributes.handled_access_fs = firstVersionRights | (version >= 2 ? LANDLOCK_ACCESS_FS_REFER : 0);
  const FileDescriptor ruleset(
      static_cast<int>(syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0)));
  if (ruleset.get() < 0) return LandlockResult::Failed;
  for (const std::string& folder : folders)
    if (!allowReading(ruleset.get(), folder)) return LandlockResult::Failed;
  return syscall(SYS_landlock_restrict_self, ruleset.get(), 0) == 0 ? LandlockResult::Enforced : LandlockResult::Failed;
}

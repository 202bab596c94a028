// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/regular_file.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor at the end of its scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
  const QByteArray name = QFile::encodeName(path);
  struct stat status {};
  // Opening a device can have effects of its own: only a regular file is opened.
  if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  // Should the path have been replaced since, O_NONBLOCK keeps a FIFO from
  // blocking the open, and the opened file is looked at again.
  const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  if (status.st_size > maxBytes) return std::nullopt;
  QByteArray bytes;
  bytes.resize(status.st_size);
  qint64 done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return std::nullopt;
    done += got;
  }
  return bytes;
}

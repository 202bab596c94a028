// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/regular_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) ::close(fd_);
}

std::shared_ptr<const FileDescriptor> openRegularFile(const QString& path, qint64 maxBytes) {
  const QByteArray name = QFile::encodeName(path);
  struct stat status {};
  // Opening a device can have effects of its own: only a regular file is opened.
  if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) return nullptr;
  // Should the path have been replaced since, O_NONBLOCK keeps a FIFO from
  // blocking the open, and the opened file is looked at again.
  auto file = std::make_shared<const FileDescriptor>(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file->get() < 0 || ::fstat(file->get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
    return nullptr;
  return file;
}

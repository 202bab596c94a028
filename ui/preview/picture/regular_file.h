// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>
#include <memory>

// Closes the descriptor when it goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The file at `path` opened for reading when it names a regular file (also
// through a symbolic link) of at most `maxBytes` bytes; nothing otherwise. A
// FIFO, a device or a folder is never opened, and the call cannot block on
// one even when the path is replaced by one after it was looked at. Nothing
// of the file is read.
std::shared_ptr<const FileDescriptor> openRegularFile(const QString& path, qint64 maxBytes);

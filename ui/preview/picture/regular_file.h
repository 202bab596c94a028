// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The contents of the file at `path` when it names a regular file (also
// through a symbolic link) of at most `maxBytes` bytes that can be opened and
// read; nothing otherwise. A FIFO, a device or a folder is never opened, and
// the call cannot block on one even when the path is replaced by one after it
// was looked at.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

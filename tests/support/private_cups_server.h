// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A CUPS scheduler of the test's own: its own configuration directory, a local
// socket and queues whose device discards all output. Starting it points this
// process's CUPS clients (and so Qt's printer support) at it through
// CUPS_SERVER and keeps them away from the user's printers, settings and
// default destination; it must start before anything in the process asks
// for printers.
class PrivateCupsServer {
 public:
  PrivateCupsServer();
  ~PrivateCupsServer();
  PrivateCupsServer(const PrivateCupsServer&) = delete;
  PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

  // Empty when the scheduler runs; otherwise what went wrong.
  QString error() const { return error_; }

  // Queue administration; each returns false and sets error() on failure.
  bool addQueue(const QString& name);
  bool setDefault(const QString& name);
  bool removeQueue(const QString& name);

 private:
  bool writeConfiguration();
  bool start();
  bool lpadmin(const QStringList& arguments);

  QTemporaryDir directory_;
  QProcess scheduler_;
  QString error_;
};

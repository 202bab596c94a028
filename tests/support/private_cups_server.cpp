// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/private_cups_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Both by their full path: an ordinary user's PATH has no /usr/sbin.
const char cupsdProgram[] = "/usr/sbin/cupsd";
const char lpadminProgram[] = "/usr/sbin/lpadmin";

// Access without authentication: the socket is the test's own.
const char cupsdConf[] = R"(Listen %1/cups.sock
Browsing Off
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order Allow,Deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order Allow,Deny
    Allow all
  </Limit>
</Policy>
)";

// cupsd refuses to run its helpers as root; FileDevice allows the queues'
// file:///dev/null device.
const char cupsFilesConf[] = R"(User %2
Group %3
FileDevice Yes
Sandboxing Relaxed
ServerRoot %1
StateDir %1
CacheDir %1/cache
RequestRoot %1/spool
TempDir %1/spool/temp
AccessLog %1/log/access_log
ErrorLog %1/log/error_log
PageLog %1/log/page_log
)";

// The helpers run as another user when the tests run as root.
QString helperUser() { return geteuid() == 0 ? u"lp"_s : QString::fromLocal8Bit(getpwuid(geteuid())->pw_name); }
QString helperGroup() { return geteuid() == 0 ? u"lp"_s : QString::fromLocal8Bit(getgrgid(getegid())->gr_name); }

bool writeFile(const QString& path, const QString& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

PrivateCupsServer::PrivateCupsServer() : directory_(QDir::tempPath() + u"/quillmark-cups-XXXXXX"_s) {
  if (!directory_.isValid()) {
    error_ = u"no temporary directory"_s;
    return;
  }
  if (!writeConfiguration() || !start()) return;
  // The clients' own configuration and defaults come from the private
  // directory too, never from the user's or the system's.
  qputenv("CUPS_SERVER", QFile::encodeName(directory_.filePath(u"cups.sock"_s)));
  qputenv("CUPS_SERVERROOT", QFile::encodeName(directory_.path()));
  qputenv("HOME", QFile::encodeName(directory_.path()));
  qunsetenv("LPDEST");
  qunsetenv("PRINTER");
}

PrivateCupsServer::~PrivateCupsServer() {
  if (scheduler_.state() == QProcess::NotRunning) return;
  scheduler_.terminate();
  if (!scheduler_.waitForFinished(5000)) scheduler_.kill();
  scheduler_.waitForFinished(5000);
}

bool PrivateCupsServer::writeConfiguration() {
  const QString root = directory_.path();
  QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                  QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
  for (const QString& folder : {u"cache"_s, u"log"_s, u"ppd"_s, u"spool/temp"_s}) QDir(root).mkpath(folder);
  if (writeFile(root + u"/cupsd.conf"_s, QString::fromLatin1(cupsdConf).arg(root)) &&
      writeFile(root + u"/cups-files.conf"_s,
                QString::fromLatin1(cupsFilesConf).arg(root, helperUser(), helperGroup())))
    return true;
  error_ = u"cannot write the configuration in "_s + root;
  return false;
}

bool PrivateCupsServer::start() {
  const QString root = directory_.path();
  scheduler_.setProcessChannelMode(QProcess::ForwardedChannels);
  scheduler_.start(QString::fromLatin1(cupsdProgram),
                   {u"-f"_s, u"-c"_s, root + u"/cupsd.conf"_s, u"-s"_s, root + u"/cups-files.conf"_s});
  if (!scheduler_.waitForStarted(5000)) {
    error_ = u"cannot start "_s + QString::fromLatin1(cupsdProgram);
    return false;
  }
  const QDeadlineTimer deadline(10000);
  while (!QFile::exists(root + u"/cups.sock"_s)) {
    if (scheduler_.state() == QProcess::NotRunning || deadline.hasExpired()) {
      error_ = u"cupsd did not come up; see "_s + root + u"/log/error_log"_s;
      return false;
    }
    QThread::msleep(20);
  }
  return true;
}

bool PrivateCupsServer::lpadmin(const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QString::fromLatin1(lpadminProgram),
                QStringList{u"-h"_s, directory_.filePath(u"cups.sock"_s)} + arguments);
  if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
    return true;
  error_ = u"lpadmin %1: %2 %3"_s.arg(arguments.join(u' '), process.errorString(),
                                      QString::fromLocal8Bit(process.readAll()));
  return false;
}

bool PrivateCupsServer::addQueue(const QString& name) {
  return lpadmin({u"-p"_s, name, u"-v"_s, u"file:///dev/null"_s, u"-m"_s, u"drv:///sample.drv/generic.ppd"_s, u"-E"_s});
}

bool PrivateCupsServer::setDefault(const QString& name) { return lpadmin({u"-d"_s, name}); }

bool PrivateCupsServer::removeQueue(const QString& name) { return lpadmin({u"-x"_s, name}); }

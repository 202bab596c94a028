// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/desktop_open.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <stdexcept>

extern char** environ;

namespace {

// The opener's exit status that xdg-open documents for "a required tool could not be
// found": there is no program to open the address with.
constexpr int noProgramStatus = 3;

// What the user reads when the opener ended with `status`.
QString failureReason(const QUrl& url, int status) {
  const QString address = url.toDisplayString();
  if (status == noProgramStatus) return QStringLiteral("The desktop has no program to open ") + address;
  return QStringLiteral("The desktop could not open %1 (xdg-open ended with status %2)").arg(address).arg(status);
}

// Waits, without blocking the program, for the end of the opener process `pid` and reports
// its failure. A browser that the opener starts may run in its place until the user closes
// it; should the program end first, the opener is left running.
class OpenerWatch : public QObject {
 public:
  OpenerWatch(pid_t pid, int pidfd, QUrl url, OpenFailureReport reportFailure)
      : QObject(QCoreApplication::instance()),
        pid_(pid),
        pidfd_(pidfd),
        notifier_(pidfd, QSocketNotifier::Read),
        url_(std::move(url)),
        reportFailure_(std::move(reportFailure)) {
    connect(&notifier_, &QSocketNotifier::activated, this, &OpenerWatch::openerEnded);
  }
  ~OpenerWatch() override { ::close(pidfd_); }
  OpenerWatch(const OpenerWatch&) = delete;
  OpenerWatch& operator=(const OpenerWatch&) = delete;

 private:
  void openerEnded() {
    notifier_.setEnabled(false);
    int status = 0;
    if (::waitpid(pid_, &status, 0) == pid_) {
      const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      if (exitStatus != 0) reportFailure_(failureReason(url_, exitStatus));
    }
    deleteLater();
  }

  pid_t pid_;
  int pidfd_;
  QSocketNotifier notifier_;
  QUrl url_;
  OpenFailureReport reportFailure_;
};

// Starts `opener` on the address with the program's environment and an empty signal
// mask; throws when it cannot be started.
pid_t startOpener(const QString& opener, const QUrl& url) {
  const QByteArray program = QFile::encodeName(opener);
  const QByteArray address = url.toEncoded();
  char* const arguments[] = {const_cast<char*>("xdg-open"), const_cast<char*>(address.constData()), nullptr};
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t noSignals;
  sigemptyset(&noSignals);
  posix_spawnattr_setsigmask(&attributes, &noSignals);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.constData(), nullptr, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) throw std::runtime_error("The desktop's opener " + opener.toStdString() + " cannot be started");
  return pid;
}

}  // namespace

void openThroughDesktop(const QUrl& url, const OpenFailureReport& reportFailure) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    if (!QDesktopServices::openUrl(url))
      throw std::runtime_error("The desktop has no program to open " + url.toDisplayString().toStdString());
    return;
  }
  const pid_t pid = startOpener(opener, url);
  // Debian 12's <sys/pidfd.h> declares pidfd_open without C linkage.
  const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  // Without a process descriptor (a kernel older than 5.3) the opener runs unwatched.
  if (pidfd >= 0) new OpenerWatch(pid, pidfd, url, reportFailure);
}

void openHelpFile(const OpenFailureReport& reportFailure) {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qlm10.html"));
  openThroughDesktop(QUrl::fromLocalFile(path), reportFailure);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include <QDir>
#include <QFile>
#include <QtTest>

#include <linux/landlock.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

using namespace Qt::StringLiterals;

// The metafile helper's sandbox, tried from inside by a probe program that
// enters it as the helper does and judged from outside by how the probe ends.
class TestMetafileSandbox : public QObject {
  Q_OBJECT

  QString secret_;

  // The probe's wait status after it tried `action` on `path`.
  static int probe(const QString& action, const QString& path) {
    const QByteArray actionBytes = action.toUtf8();
    const QByteArray pathBytes = QFile::encodeName(path);
    char* const arguments[] = {const_cast<char*>(SANDBOX_PROBE), const_cast<char*>(actionBytes.constData()),
                               const_cast<char*>(pathBytes.constData()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, SANDBOX_PROBE, nullptr, nullptr, arguments, environ) != 0) return -1;
    int status = 0;
    return waitpid(child, &status, 0) == child ? status : -1;
  }

 private slots:
  // A file of the user's that a hostile picture would be after.
  void initTestCase() {
    QVERIFY(QDir::home().mkpath(u".ssh"_s));
    secret_ = QDir::home().filePath(u".ssh/id_rsa"_s);
    QFile key(secret_);
    QVERIFY(key.open(QIODevice::WriteOnly));
    QVERIFY(key.write("secret\n") > 0);
  }

  // Opening for writing fails with EACCES, as the libraries expect of a file they may not
  // write; every other forbidden call ends the process with SIGSYS (error 0 here).
  void forbiddenCallsFailOrEndTheProcess_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");
    const QString home = QDir::homePath();
    QTest::newRow("open for writing") << "write" << home + u"/.ssh/id_rsa"_s << EACCES;
    QTest::newRow("open for reading and writing") << "read-write" << home + u"/.ssh/id_rsa"_s << EACCES;
    QTest::newRow("create a file") << "create" << home + u"/planted"_s << EACCES;
    QTest::newRow("truncate a file") << "truncate" << home + u"/.ssh/id_rsa"_s << EACCES;
    QTest::newRow("make a folder") << "make a folder" << home + u"/planted"_s << EACCES;
    QTest::newRow("change permissions") << "change permissions" << home + u"/.ssh"_s << EACCES;
    QTest::newRow("create a socket") << "socket" << QString() << 0;
    QTest::newRow("start a program") << u"exec"_s << "/bin/true" << 0;
    QTest::newRow("fork") << "fork" << QString() << 0;
    QTest::newRow("be traced") << "ptrace" << QString() << 0;
    QTest::newRow("signal another process") << "signal the parent" << QString() << 0;
    QTest::newRow("map executable memory") << "executable memory" << QString() << 0;
  }
  void forbiddenCallsFailOrEndTheProcess() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    QFETCH(int, error);
    const int status = probe(action, path);
    if (error) {
      QVERIFY2(WIFEXITED(status), qPrintable(QStringLiteral("wait status %1").arg(status)));
      QCOMPARE(WEXITSTATUS(status), error);
    } else {
      QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("wait status %1").arg(status)));
      QCOMPARE(WTERMSIG(status), SIGSYS);
    }
    QVERIFY(!QFile::exists(QDir::home().filePath(u"planted"_s)));
    QCOMPARE(QFileInfo(secret_).size(), 7);
  }

  // Files beneath the folders the libraries read open; others fail with EACCES.
  void readingIsConfinedToTheLibrariesFolders_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");  // 0: opened
    QTest::newRow("a private key in HOME") << secret_ << EACCES;
    QTest::newRow("the password list") << "/etc/passwd" << EACCES;
    QTest::newRow("a program") << "/bin/sh" << EACCES;
    QTest::newRow("libwmf's font map") << "/var/lib/ghostscript/fonts/Fontmap" << 0;
    QTest::newRow("a font the font map names") << "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1" << 0;
    QTest::newRow("fontconfig's configuration") << "/etc/fonts/fonts.conf" << 0;
    QTest::newRow("a font fontconfig finds") << "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf" << 0;
  }
  void readingIsConfinedToTheLibrariesFolders() {
    QFETCH(QString, path);
    QFETCH(int, error);
    if (syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION) < 1)
      QSKIP("the kernel offers no Landlock");
    QVERIFY2(QFileInfo(path).isReadable(), qPrintable(path));
    const int status = probe(u"read"_s, path);
    QVERIFY2(WIFEXITED(status), qPrintable(QStringLiteral("wait status %1").arg(status)));
    QCOMPARE(WEXITSTATUS(status), error);
  }
};

QTEST_GUILESS_MAIN(TestMetafileSandbox)
#include "test_metafile_sandbox.moc"

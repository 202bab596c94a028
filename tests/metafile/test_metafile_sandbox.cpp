#include <QDir>
#include <QFile>
#include <QtTest>

#include <linux/landlock.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

  static bool kernelHasLandlock() {
    return syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION) >= 1;
  }

 private slots:
  // A file of the user's that a hostile picture would be after.
  void initTestCase() {
    QVERIFY(QDir::home().mkpath(".ssh"));
    secret_ = QDir::home().filePath(".ssh/id_rsa");
    QFile key(secret_);
    QVERIFY(key.open(QIODevice::WriteOnly));
    QVERIFY(key.write("secret\n") > 0);
  }

  void forbiddenCallsEndTheProcess_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("path");
    const QString home = QDir::homePath();
    QTest::newRow("open for writing") << "write" << home + "/.ssh/id_rsa";
    QTest::newRow("open for reading and writing") << "read-write" << home + "/.ssh/id_rsa";
    QTest::newRow("create a file") << "create" << home + "/planted";
    QTest::newRow("truncate a file") << "truncate" << home + "/.ssh/id_rsa";
    QTest::newRow("create a socket") << "socket" << QString();
    QTest::newRow("start a program") << "exec"
                                     << "/bin/true";
    QTest::newRow("fork") << "fork" << QString();
    QTest::newRow("be traced") << "ptrace" << QString();
    QTest::newRow("signal another process") << "signal the parent" << QString();
    QTest::newRow("map executable memory") << "executable memory" << QString();
  }
  void forbiddenCallsEndTheProcess() {
    QFETCH(QString, action);
    QFETCH(QString, path);
    const int status = probe(action, path);
    QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("wait status %1").arg(status)));
    QCOMPARE(WTERMSIG(status), SIGSYS);
    QVERIFY(!QFile::exists(QDir::home().filePath("planted")));
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
    if (!kernelHasLandlock()) QSKIP("the kernel offers no Landlock");
    QVERIFY2(QFileInfo(path).isReadable(), qPrintable(path));
    const int status = probe("read", path);
    QVERIFY2(WIFEXITED(status), qPrintable(QStringLiteral("wait status %1").arg(status)));
    QCOMPARE(WEXITSTATUS(status), error);
  }
};

QTEST_GUILESS_MAIN(TestMetafileSandbox)
#include "test_metafile_sandbox.moc"

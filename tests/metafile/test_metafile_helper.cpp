// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile_to_svg.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <random>

// The real metafile helper in its sandbox: confined while it waits, and
// converting every input exactly as the libraries do when run directly, so
// that the sandbox forbids nothing a conversion needs.
class TestMetafileHelper : public QObject {
  Q_OBJECT

  struct Input {
    QString name;
    QByteArray bytes;
  };

  static QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  static QList<Input> fixtures() {
    QList<Input> inputs;
    for (const QFileInfo& file : QDir(PICTURES_DIR).entryInfoList(QDir::Files, QDir::Name))
      inputs.append({file.fileName(), readFile(file.filePath())});
    return inputs;
  }

  // What the helper writes for `file`, from the libraries run in this process.
  static std::optional<QByteArray> direct(const QByteArray& file, MetafileFormat format) {
    const std::optional<ConvertedMetafile> converted =
        metafileToSvg({reinterpret_cast<const unsigned char*>(file.constData()), std::size_t(file.size())}, format);
    if (!converted) return std::nullopt;
    return QByteArray::number(converted->frame.width) + ' ' + QByteArray::number(converted->frame.height) + '\n' +
           QByteArray::fromStdString(converted->svg);
  }

  // Each input in both formats through the helper, as the picture pane runs it.
  static void convertAsDirectly(const QList<Input>& inputs) {
    for (const Input& input : inputs)
      for (const MetafileFormat format : {MetafileFormat::Wmf, MetafileFormat::Emf}) {
        const QByteArray formatName = format == MetafileFormat::Wmf ? "wmf" : "emf";
        const QByteArray what = input.name.toUtf8() + " as " + formatName;
        QProcess helper;
        helper.setStandardErrorFile(QProcess::nullDevice());
        helper.start(METAFILE_HELPER, {});
        helper.write(formatName + '\n' + input.bytes);
        helper.closeWriteChannel();
        QVERIFY2(helper.waitForFinished(10000), what);
        const QByteArray output = helper.readAllStandardOutput();
        QVERIFY2(helper.exitStatus() == QProcess::NormalExit, what + " ended by a signal");
        const std::optional<QByteArray> expected = direct(input.bytes, format);
        QVERIFY2(helper.exitCode() == (expected ? 0 : 1), what + " exit code " + QByteArray::number(helper.exitCode()));
        QVERIFY2(output == expected.value_or(QByteArray()), what + " converted otherwise");
      }
  }

  // Broken copies of the fixtures, the same on every run: cut short, with
  // bytes changed, or with a 32-bit field set to an extreme.
  static QList<Input> mutatedFixtures(int perFixture) {
    std::mt19937 random(16);
    QList<Input> inputs;
    for (const Input& fixture : fixtures()) {
      if (!fixture.name.endsWith(".wmf") && !fixture.name.endsWith(".emf")) continue;
      for (int i = 0; i < perFixture; ++i) {
        QByteArray bytes = fixture.bytes;
        const auto at = [&] { return static_cast<qsizetype>(random() % bytes.size()); };
        if (i % 3 == 0)
          bytes.truncate(at());
        else if (i % 3 == 1)
          for (int flips = 1 + random() % 8; flips > 0; --flips) bytes[at()] = static_cast<char>(random());
        else
          bytes.replace(at(), 4, i % 2 ? QByteArray(4, '\xff') : QByteArray(4, '\0'));
        inputs.append({QStringLiteral("%1 #%2").arg(fixture.name).arg(i), bytes});
      }
    }
    return inputs;
  }

 private slots:
  void helperIsConfinedWhileWaiting() {
    QProcess helper;
    helper.start(METAFILE_HELPER, {});
    QVERIFY(helper.waitForStarted());
    const QString process = QStringLiteral("/proc/%1/").arg(helper.processId());
    QByteArray status;
    QTRY_VERIFY((status = readFile(process + "status")).contains("Seccomp:\t2\n"));
    QVERIFY(status.contains("NoNewPrivs:\t1\n"));
    QCOMPARE(QDir(process + "fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({"0", "1", "2"}));
    QCOMPARE(readFile(process + "environ").count('\0'), readFile(process + "environ").size());
    helper.closeWriteChannel();
    QVERIFY(helper.waitForFinished());
    QCOMPARE(helper.exitCode(), 1);
  }

  void fixturesConvertAsDirectly() { convertAsDirectly(fixtures()); }

  // A short run over a few hundred broken inputs: a library path that needs
  // a call the sandbox forbids shows here as a conversion that differs.
  void mutatedFixturesConvertAsDirectly() { convertAsDirectly(mutatedFixtures(24)); }
};

QTEST_GUILESS_MAIN(TestMetafileHelper)
#include "test_metafile_helper.moc"

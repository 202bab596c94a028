// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_to_svg.h"
#include "picture_helper/picture_raster.h"
#include "ui/preview/picture/picture_paint_geometry.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The real picture helper in its sandbox: confined while it waits, and
// drawing every input exactly as its decoders do when run directly, so that
// the sandbox forbids nothing a conversion needs.
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
    for (const QFileInfo& file : QDir(QStringLiteral(PICTURES_DIR)).entryInfoList(QDir::Files, QDir::Name))
      inputs.append({file.fileName(), readFile(file.filePath())});
    return inputs;
  }

  // What the helper writes for `file` as `kind`, from the decoders run in this process.
  static QByteArray direct(const QByteArray& file, const PictureRequest& request) {
    const Raster raster = rasterisePicture(request, file);
    const PictureReplyHeader header = replyHeader(raster);
    QByteArray reply(reinterpret_cast<const char*>(&header), sizeof header);
    for (int row = 0; header.rasterHeight > 0 && row < raster.image.height(); ++row)
      reply.append(reinterpret_cast<const char*>(raster.image.constScanLine(row)), raster.image.width() * 4);
    return reply;
  }

  // How the pane drew a fixture before the helper drew it: Qt's SVG renderer
  // over the converter's SVG, or Qt's reader, painted over the fitted rectangle.
  static QImage drawnAsBefore(const QByteArray& file, const PictureRequest& request, QSize natural) {
    QImage image(picturePaintRect(QSize(request.boxWidth, request.boxHeight), natural).size(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (request.kind == "bmp" || request.kind == "ico") {
      painter.drawImage(image.rect(), QImage::fromData(file, request.kind.c_str()));
      return image;
    }
    const std::optional<ConvertedMetafile> converted =
        metafileToSvg({reinterpret_cast<const unsigned char*>(file.constData()), std::size_t(file.size())},
                      request.kind == "wmf" ? MetafileFormat::Wmf : MetafileFormat::Emf);
    QSvgRenderer(QByteArray::fromStdString(converted->svg)).render(&painter, image.rect());
    return image;
  }

  // A helper started as the picture pane starts it, its requests sent on
  // `requests`.
  static void startHelper(QProcess& helper, int& requests) {
    int sockets[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets), 0);
    requests = sockets[0];
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.setChildProcessModifier([input = sockets[1]] { ::dup2(input, STDIN_FILENO); });
    helper.start(QStringLiteral(METAFILE_HELPER), {});
    ::close(sockets[1]);
  }

  // Each input as each kind through helpers that draw one picture after the
  // other, as the picture pane runs them: each answer is what the decoders
  // draw in this process, whatever the helper drew before.
  static void convertAsDirectly(const QList<Input>& inputs, const QList<std::string>& kinds) {
    QTemporaryDir folder;
    auto helper = std::make_unique<QProcess>();
    int requests = -1;
    int answered = maxPicturesPerHelper;
    for (const Input& input : inputs) {
      QFile file(folder.filePath(u"picture"_s));
      QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate) && file.write(input.bytes) == input.bytes.size());
      file.flush();
      for (const std::string& kind : kinds) {
        const QByteArray what = input.name.toUtf8() + " as " + QByteArray::fromStdString(kind);
        if (answered == maxPicturesPerHelper) {
          ::close(requests);
          helper->waitForFinished();
          helper = std::make_unique<QProcess>();
          startHelper(*helper, requests);
          answered = 0;
        }
        const PictureRequest request{kind, 96, 120, 90, false};
        QVERIFY2(sendRequest(requests, request, file.handle()), what);
        ++answered;
        const QByteArray expected = direct(input.bytes, request);
        QByteArray output;
        while (output.size() < expected.size() && helper->waitForReadyRead(10000))
          output += helper->readAllStandardOutput();
        // A helper that ended (a call its filter forbids) is replaced.
        if (output != expected) answered = maxPicturesPerHelper;
        QVERIFY2(output == expected, what + " drawn otherwise");
      }
    }
    ::close(requests);
    QVERIFY(helper->waitForFinished());
    QCOMPARE(helper->exitCode(), 0);
  }

  // Broken copies of the fixtures, the same on every run: cut short, with
  // bytes changed, or with a 32-bit field set to an extreme.
  static QList<Input> mutatedFixtures(int perFixture) {
    std::mt19937 random(16);
    QList<Input> inputs;
    for (const Input& fixture : fixtures()) {
      if (!fixture.name.endsWith(u".wmf"_s) && !fixture.name.endsWith(u".emf"_s)) continue;
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
    int requests = -1;
    startHelper(helper, requests);
    QVERIFY(helper.waitForStarted());
    const QString process = QStringLiteral("/proc/%1/").arg(helper.processId());
    QByteArray status;
    QTRY_VERIFY((status = readFile(process + u"status"_s)).contains("Seccomp:\t2\n"));
    QVERIFY(status.contains("NoNewPrivs:\t1\n"));
    // Its standard files, and 3: the standard output moved aside for the replies.
    QCOMPARE(QDir(process + u"fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             QStringList({u"0"_s, u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(readFile(process + u"environ"_s).count('\0'), readFile(process + u"environ"_s).size());
    // The end of its input between two requests ends it well.
    ::close(requests);
    QVERIFY(helper.waitForFinished());
    QCOMPARE(helper.exitCode(), 0);
  }

  void fixturesConvertAsDirectly() { convertAsDirectly(fixtures(), {"bmp", "ico", "wmf", "emf"}); }

  // Every valid fixture is drawn as the pane drew it when it parsed the SVG
  // itself, within a small difference per colour channel where the SVG's
  // sanitising changed how an edge is anti-aliased.
  void fixturesDrawAsBefore() {
    constexpr int maxChannelDifference = 8;
    for (const Input& input : fixtures()) {
      const std::string kind = QFileInfo(input.name).suffix().toStdString();
      const PictureRequest request{kind, 96, 120, 90, false};
      const Raster raster = rasterisePicture(request, input.bytes);
      if (raster.status != PictureStatus::Drawn) continue;
      const QImage before = drawnAsBefore(input.bytes, request, raster.natural);
      QCOMPARE(raster.image.size(), before.size());
      for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
          const QRgb a = raster.image.pixel(x, y);
          const QRgb b = before.pixel(x, y);
          const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                           std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
          QVERIFY2(difference <= maxChannelDifference, qPrintable(input.name));
        }
    }
  }

  // A short run over a few hundred broken inputs: a library path that needs
  // a call the sandbox forbids shows here as a conversion that differs.
  void mutatedFixturesConvertAsDirectly() { convertAsDirectly(mutatedFixtures(24), {"wmf", "emf"}); }
};

QTEST_MAIN(TestMetafileHelper)
#include "test_metafile_helper.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_converter.h"
#include "ui/preview/picture/picture_loader.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// What the picture pane shows: bitmaps, icons and metafiles at their sizes as
// the picture helper draws them, nothing from any other, broken or hostile
// file, and never a path named inside a picture opened.
class TestPictureLoader : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  PictureConverter converter_;

  static QString fixture(const QString& name) { return QStringLiteral(PICTURES_DIR "/") + name; }
  QString inFolder(const QString& name) const { return folder_.filePath(name); }
  // A FIFO in the private home that hostile pictures name.
  static QString bait() { return QDir::home().filePath(QStringLiteral("secret.png")); }

  // The picture drawn for a 400 x 300 box, and how long the answer took;
  // fails when the FIFO is opened meanwhile.
  std::optional<Picture> converted(const PictureFile& file, qint64* milliseconds = nullptr) {
    std::optional<std::optional<Picture>> result;
    QElapsedTimer clock;
    clock.start();
    converter_.convert(file, 96, QSize(400, 300), false, [&](std::optional<Picture> picture) { result = picture; });
    while (!result && clock.elapsed() < 5000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      // A writer opens without blocking only while a reader holds it open.
      const int writer = ::open(QFile::encodeName(bait()).constData(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
      if (writer >= 0) qFatal("a path named inside a picture was opened");
    }
    if (milliseconds) *milliseconds = clock.elapsed();
    if (!result) qFatal("no answer from the picture helper");
    return *result;
  }

  static QByteArray le32(qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
  }
  static QByteArray emfRecord(qint32 kind, QByteArray body) {
    body += QByteArray(-body.size() & 3, '\0');
    return le32(kind) + le32(8 + body.size()) + body;
  }
  // An enhanced metafile of `frame` (0.01 mm) on a 1024 x 768, 320 x 240 mm device, as the fixtures are.
  static QByteArray emf(qint32 frame, const QByteArray& records) {
    const QByteArray body = records + emfRecord(14, le32(0) + le32(16) + le32(20));
    QByteArray header = le32(1) + le32(108) + le32(0) + le32(0) + le32(180) + le32(90) + le32(0) + le32(0) +
                        le32(frame) + le32(frame / 2) + le32(0x464D4520) + le32(0x10000) + le32(108 + body.size()) +
                        le32(3) + le32(2) + le32(0) + le32(0) + le32(0) + le32(1024) + le32(768) + le32(320) +
                        le32(240) + le32(0) + le32(0) + le32(0) + le32(320000) + le32(240000);
    return header + body;
  }
  // An ExtTextOutW record of `text`.
  static QByteArray emfText(const QString& text) {
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray body = QByteArray(16, '\0') + le32(1) + QByteArray("\0\0\x80?\0\0\x80?", 8);
    body += le32(20) + le32(40) + le32(text.size()) + le32(76) + le32(0) + QByteArray(16, '\0') + le32(0) + utf16;
    return emfRecord(84, body);
  }
  // A StretchDIBits record whose bitmap, marked as PNG, holds `bytes`.
  static QByteArray emfPngBitmap(const QByteArray& bytes) {
    QByteArray body = QByteArray(16, '\0') + le32(0) + le32(0) + le32(0) + le32(0) + le32(10) + le32(10);
    body += le32(80) + le32(40) + le32(120) + le32(bytes.size()) + le32(0) + le32(0x00CC0020) + le32(100) + le32(100);
    const QByteArray info = le32(40) + le32(10) + le32(10) + QByteArray("\1\0\0\0", 4).left(2) + QByteArray("\0\0", 2) +
                            le32(5) + le32(bytes.size()) + QByteArray(16, '\0');
    return emfRecord(81, body + info + bytes);
  }
  // Text that closes the CDATA section the converter writes it in.
  static QString injected(const QString& elements) { return u"]]></text>"_s + elements + u"<text><![CDATA["_s; }
  static QString imageOfBait() {
    return u"<image x=\"0\" y=\"0\" width=\"50\" height=\"50\" xlink:href=\"%1\"/>"_s.arg(bait());
  }
  static QString useFanOut() {
    QString elements = u"<defs><rect id=\"l0\" width=\"1\" height=\"1\"/>"_s;
    for (int level = 1; level <= 3; ++level) {
      elements += u"<g id=\"l%1\">"_s.arg(level);
      for (int i = 0; i < 300; ++i) elements += u"<use xlink:href=\"#l%1\"/>"_s.arg(level - 1);
      elements += u"</g>"_s;
    }
    return elements + u"</defs><use xlink:href=\"#l3\"/>"_s;
  }

 private slots:
  void initTestCase() {
    QVERIFY(QFile::copy(fixture(u"bitmap.bmp"_s), inFolder(u"UPPER.BMP"_s)));
    QVERIFY(QFile::copy(fixture(u"drawing.emf"_s), inFolder(u"drawing-emf.wmf"_s)));
    QVERIFY(QDir(folder_.path()).mkdir(u"folder.bmp"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(inFolder(u"fifo.bmp"_s)).constData(), 0600), 0);
    QCOMPARE(::mkfifo(QFile::encodeName(bait()).constData(), 0600), 0);
  }

  void picturesLoadAtTheirSizeAndAnythingElseNot_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");  // empty: nothing loaded
    QTest::newRow("bitmap") << fixture(u"bitmap.bmp"_s) << QSize(40, 30);
    QTest::newRow("extension in capitals") << inFolder(u"UPPER.BMP"_s) << QSize(40, 30);
    QTest::newRow("icon") << fixture(u"icon.ico"_s) << QSize(16, 16);
    QTest::newRow("WMF: placeable frame at 96 dpi") << fixture(u"drawing.wmf"_s) << QSize(192, 96);
    QTest::newRow("EMF: frame in 0.01 mm at 96 dpi") << fixture(u"drawing.emf"_s) << QSize(227, 113);
    QTest::newRow("text file") << fixture(u"notes.txt"_s) << QSize();
    QTest::newRow("JPEG") << fixture(u"photo.jpg"_s) << QSize();
    QTest::newRow("JPEG named .bmp") << fixture(u"photo-named.bmp"_s) << QSize();
    QTest::newRow("truncated bitmap") << fixture(u"bitmap-truncated.bmp"_s) << QSize();
    QTest::newRow("bitmap claiming 100000 x 100000") << fixture(u"bitmap-huge.bmp"_s) << QSize();
    QTest::newRow("truncated icon") << fixture(u"icon-truncated.ico"_s) << QSize();
    QTest::newRow("truncated WMF") << fixture(u"drawing-truncated.wmf"_s) << QSize();
    QTest::newRow("WMF claiming a 4 GB record") << fixture(u"drawing-max-record.wmf"_s) << QSize();
    QTest::newRow("WMF record larger than the file") << fixture(u"drawing-record-size.wmf"_s) << QSize();
    QTest::newRow("WMF without placeable header") << fixture(u"drawing-unplaceable.wmf"_s) << QSize();
    QTest::newRow("truncated EMF") << fixture(u"drawing-truncated.emf"_s) << QSize();
    QTest::newRow("EMF record larger than the file") << fixture(u"drawing-record-size.emf"_s) << QSize();
    QTest::newRow("EMF named .wmf") << inFolder(u"drawing-emf.wmf"_s) << QSize();
    QTest::newRow("folder") << inFolder(u"folder.bmp"_s) << QSize();
    QTest::newRow("FIFO") << inFolder(u"fifo.bmp"_s) << QSize();
    QTest::newRow("missing") << inFolder(u"missing.bmp"_s) << QSize();
    QTest::newRow("empty path") << QString() << QSize();
  }
  void picturesLoadAtTheirSizeAndAnythingElseNot() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const std::optional<PictureFile> file = openPictureFile(path);
    const std::optional<Picture> picture = file ? converted(*file) : std::nullopt;
    QCOMPARE(picture.has_value(), !size.isEmpty());
    if (!picture) return;
    QCOMPARE(picture->size(), size);
    // Fitted into the box as the pane draws it: these all fit.
    QCOMPARE(picture->raster().size(), size);
  }

  // Each hostile picture shows at most a picture without what it smuggled
  // in; the named FIFO is never opened (converted() watches it), the next
  // picture is answered within a second, and memory stays bounded.
  void hostilePicturesShowNothingTheyName_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    const QString svgOfBait =
        u"<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"50\" height=\"50\">"_s +
        imageOfBait() + u"</svg>"_s;
    QTest::newRow("text closing its CDATA section, image of a home path")
        << emf(6000, emfText(injected(imageOfBait()))) << true;
    QTest::newRow("PNG bitmap record holding an SVG naming a home path")
        << emf(6000, emfPngBitmap(svgOfBait.toUtf8())) << true;
    QTest::newRow("<use> fan-out, 300 x 300 x 300") << emf(6000, emfText(injected(useFanOut()))) << false;
    QTest::newRow("frame of 81164736 pixels") << emf(2147483600, emfText(u"x"_s)) << false;
  }
  void hostilePicturesShowNothingTheyName() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    QFile hostile(inFolder(u"hostile.emf"_s));
    QVERIFY(hostile.open(QIODevice::WriteOnly | QIODevice::Truncate) && hostile.write(bytes) == bytes.size());
    hostile.close();
    const std::optional<Picture> picture = converted(*openPictureFile(hostile.fileName()));
    QCOMPARE(picture.has_value(), shown);
    qint64 milliseconds = 0;
    const std::optional<Picture> next = converted({*openPictureFile(fixture(u"drawing.emf"_s))}, &milliseconds);
    QVERIFY(next);
    QVERIFY2(milliseconds < 1000, qPrintable(QString::number(milliseconds)));
    rusage usage{};
    QCOMPARE(::getrusage(RUSAGE_SELF, &usage), 0);
    QVERIFY2(usage.ru_maxrss < 400 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
  }

  // A newer conversion ends the older one, whose callback is never called.
  void newerConversionEndsTheOlder() {
    bool olderAnswered = false;
    converter_.convert(*openPictureFile(fixture(u"records1000.emf"_s)), 96, QSize(400, 300), false,
                       [&](std::optional<Picture>) { olderAnswered = true; });
    QVERIFY(converted(*openPictureFile(fixture(u"bitmap.bmp"_s))));
    QTest::qWait(200);
    QVERIFY(!olderAnswered);
  }
};

QTEST_MAIN(TestPictureLoader)
#include "test_picture_loader.moc"

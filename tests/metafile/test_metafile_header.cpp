// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_header.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray picture(const char* name) {
  QFile file(QStringLiteral(PICTURES_DIR "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::span<const unsigned char> bytes(const QByteArray& file) {
  return {reinterpret_cast<const unsigned char*>(file.constData()), static_cast<std::size_t>(file.size())};
}

QSize size(const FrameSize& frame) { return {frame.width, frame.height}; }

}  // namespace

// The header checks that run before a metafile reaches a library: the frame
// read from a sound file, and nothing from a file whose records could make a
// library read or allocate beyond it.
class TestMetafileHeader : public QObject {
  Q_OBJECT

 private slots:
  void readersAcceptOnlyFilesWhoseRecordsFit_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("wmfFrame");  // in 0.01 mm; empty: rejected
    QTest::addColumn<QSize>("emfFrame");
    QByteArray badChecksum = picture("drawing.wmf");
    badChecksum[20] = static_cast<char>(badChecksum[20] ^ 1);
    QTest::newRow("WMF, 2000 x 1000 at 1000 per inch") << picture("drawing.wmf") << QSize(5080, 2540) << QSize();
    QTest::newRow("WMF of 1000 records") << picture("records1000.wmf") << QSize(5080, 2540) << QSize();
    QTest::newRow("WMF, wrong checksum") << badChecksum << QSize() << QSize();
    QTest::newRow("WMF cut short") << picture("drawing-truncated.wmf") << QSize() << QSize();
    QTest::newRow("WMF claiming a 4 GB record") << picture("drawing-max-record.wmf") << QSize() << QSize();
    QTest::newRow("WMF record larger than the file") << picture("drawing-record-size.wmf") << QSize() << QSize();
    QTest::newRow("WMF without placeable header") << picture("drawing-unplaceable.wmf") << QSize() << QSize();
    QTest::newRow("EMF, frame 6000 x 3000") << picture("drawing.emf") << QSize() << QSize(6000, 3000);
    QTest::newRow("EMF of 1000 records") << picture("records1000.emf") << QSize() << QSize(6000, 3000);
    QTest::newRow("EMF cut short") << picture("drawing-truncated.emf") << QSize() << QSize();
    QTest::newRow("EMF record larger than the file") << picture("drawing-record-size.emf") << QSize() << QSize();
    QTest::newRow("bitmap") << picture("bitmap.bmp") << QSize() << QSize();
    QTest::newRow("empty file") << QByteArray() << QSize() << QSize();
  }

  void readersAcceptOnlyFilesWhoseRecordsFit() {
    QFETCH(QByteArray, file);
    QFETCH(QSize, wmfFrame);
    QFETCH(QSize, emfFrame);
    QVERIFY2(!file.isEmpty() || qstrcmp(QTest::currentDataTag(), "empty file") == 0, "fixture missing");
    const std::optional<WmfHeader> wmf = readWmfHeader(bytes(file));
    QCOMPARE(wmf ? size(frameSize(*wmf)) : QSize(), wmfFrame);
    const std::optional<EmfHeader> emf = readEmfHeader(bytes(file));
    QCOMPARE(emf ? size(frameSize(*emf)) : QSize(), emfFrame);
  }

  void emfHeaderGivesTheReferenceDevice() {
    const QByteArray file = picture("drawing.emf");
    const std::optional<EmfHeader> header = readEmfHeader(bytes(file));
    QVERIFY(header);
    QCOMPARE(
        QRect(QPoint(header->bounds.left, header->bounds.top), QPoint(header->bounds.right, header->bounds.bottom)),
        QRect(QPoint(20, 10), QPoint(180, 90)));
    QCOMPARE(QSize(header->devicePixelsX, header->devicePixelsY), QSize(1024, 768));
    QCOMPARE(QSize(header->deviceMillimetresX, header->deviceMillimetresY), QSize(320, 240));
  }

  void wmfFrameSizeRoundsHalfAwayFromZero_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("unitsPerInch");
    QTest::addColumn<int>("hundredthsMm");
    QTest::newRow("one inch") << 1440 << 1440 << 2540;
    QTest::newRow("846.67 rounds up") << 1 << 3 << 847;
    QTest::newRow("423.33 rounds down") << 1 << 6 << 423;
    QTest::newRow("half rounds up") << 1 << 5080 << 1;
    QTest::newRow("negative half rounds down") << -1 << 5080 << -1;
    QTest::newRow("largest frame") << 65535 << 1 << 166458900;
  }

  void wmfFrameSizeRoundsHalfAwayFromZero() {
    QFETCH(int, width);
    QFETCH(int, unitsPerInch);
    const WmfHeader header{{0, 0, width, width}, unitsPerInch};
    QTEST(frameSize(header).width, "hundredthsMm");
    QTEST(frameSize(header).height, "hundredthsMm");
  }

  void emfFrameWiderThanAnIntHasNoSize() {
    EmfHeader header;
    header.frame = {-2147483647 - 1, 0, 2147483647, 10};
    QCOMPARE(size(frameSize(header)), QSize(0, 0));
    header.frame = {-10, -20, 2147483637, 30};
    QCOMPARE(size(frameSize(header)), QSize(2147483647, 50));
  }
};

QTEST_GUILESS_MAIN(TestMetafileHeader)
#include "test_metafile_header.moc"

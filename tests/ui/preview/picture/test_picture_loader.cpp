// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile_converter.h"
#include "picture_loader.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// What the picture pane loads: bitmaps, icons and metafiles at their sizes,
// and nothing from any other or broken file.
class TestPictureLoader : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  MetafileConverter converter_;

  static QString fixture(const QString& name) { return QStringLiteral(PICTURES_DIR "/") + name; }
  QString inFolder(const QString& name) const { return folder_.filePath(name); }

 private slots:
  void initTestCase() {
    QVERIFY(QFile::copy(fixture("bitmap.bmp"), inFolder("UPPER.BMP")));
    QVERIFY(QFile::copy(fixture("drawing.emf"), inFolder("drawing-emf.wmf")));
    QVERIFY(QDir(folder_.path()).mkdir("folder.bmp"));
    QCOMPARE(::mkfifo(QFile::encodeName(inFolder("fifo.bmp")).constData(), 0600), 0);
  }

  void picturesLoadAtTheirSizeAndAnythingElseNot_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");  // empty: nothing loaded
    QTest::newRow("bitmap") << fixture("bitmap.bmp") << QSize(40, 30);
    QTest::newRow("extension in capitals") << inFolder("UPPER.BMP") << QSize(40, 30);
    QTest::newRow("icon") << fixture("icon.ico") << QSize(16, 16);
    QTest::newRow("WMF: placeable frame at 96 dpi") << fixture("drawing.wmf") << QSize(192, 96);
    QTest::newRow("EMF: frame in 0.01 mm at 96 dpi") << fixture("drawing.emf") << QSize(227, 113);
    QTest::newRow("text file") << fixture("notes.txt") << QSize();
    QTest::newRow("JPEG") << fixture("photo.jpg") << QSize();
    QTest::newRow("JPEG named .bmp") << fixture("photo-named.bmp") << QSize();
    QTest::newRow("truncated bitmap") << fixture("bitmap-truncated.bmp") << QSize();
    QTest::newRow("bitmap claiming 100000 x 100000") << fixture("bitmap-huge.bmp") << QSize();
    QTest::newRow("truncated icon") << fixture("icon-truncated.ico") << QSize();
    QTest::newRow("truncated WMF") << fixture("drawing-truncated.wmf") << QSize();
    QTest::newRow("WMF claiming a 4 GB record") << fixture("drawing-max-record.wmf") << QSize();
    QTest::newRow("WMF record larger than the file") << fixture("drawing-record-size.wmf") << QSize();
    QTest::newRow("WMF without placeable header") << fixture("drawing-unplaceable.wmf") << QSize();
    QTest::newRow("truncated EMF") << fixture("drawing-truncated.emf") << QSize();
    QTest::newRow("EMF record larger than the file") << fixture("drawing-record-size.emf") << QSize();
    QTest::newRow("EMF named .wmf") << inFolder("drawing-emf.wmf") << QSize();
    QTest::newRow("folder") << inFolder("folder.bmp") << QSize();
    QTest::newRow("FIFO") << inFolder("fifo.bmp") << QSize();
    QTest::newRow("missing") << inFolder("missing.bmp") << QSize();
    QTest::newRow("empty path") << QString() << QSize();
  }
  void picturesLoadAtTheirSizeAndAnythingElseNot() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const std::optional<Picture> picture = loadPicture(path, 96, converter_);
    QCOMPARE(picture.has_value(), !size.isEmpty());
    if (picture) QCOMPARE(picture->size(), size);
  }
};

QTEST_MAIN(TestPictureLoader)
#include "test_picture_loader.moc"

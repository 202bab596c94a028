// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_paint_geometry.h"

#include <QtTest>

// Where the picture pane's paint box draws a picture.
class TestPicturePaintGeometry : public QObject {
  Q_OBJECT

 private slots:
  void pictureIsCentredOrScaledIntoTheBox_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("fits: centred, offsets truncated") << QSize(100, 80) << QSize(41, 31) << QRect(29, 24, 41, 31);
    QTest::newRow("as large as the box") << QSize(100, 80) << QSize(100, 80) << QRect(0, 0, 100, 80);
    QTest::newRow("wider than high: full width") << QSize(100, 100) << QSize(400, 200) << QRect(0, 0, 100, 50);
    QTest::newRow("higher than wide: full height") << QSize(100, 100) << QSize(200, 300) << QRect(0, 0, 67, 100);
    QTest::newRow("square: full height") << QSize(120, 100) << QSize(150, 150) << QRect(0, 0, 100, 100);
    QTest::newRow("only one side too large") << QSize(100, 100) << QSize(50, 101) << QRect(0, 0, 50, 100);
    QTest::newRow("half rounds up") << QSize(100, 100) << QSize(200, 101) << QRect(0, 0, 100, 51);
    QTest::newRow("wide but full width overruns") << QSize(100, 20) << QSize(200, 150) << QRect(0, 0, 27, 20);
  }
  void pictureIsCentredOrScaledIntoTheBox() {
    QFETCH(QSize, box);
    QFETCH(QSize, picture);
    QTEST(picturePaintRect(box, picture), "expected");
  }
};

QTEST_GUILESS_MAIN(TestPicturePaintGeometry)
#include "test_picture_paint_geometry.moc"

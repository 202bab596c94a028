// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common_dialog_placement.h"

#include <QtTest>

class TestCommonDialogPlacement : public QObject {
  Q_OBJECT

 private slots:
  void centredAcrossAndOneThirdDown_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("fits") << QRect(0, 0, 1024, 768) << QSize(624, 412) << QPoint(200, 118);
    QTest::newRow("larger than the screen: partly off it, truncated toward zero")
        << QRect(0, 0, 800, 600) << QSize(1001, 700) << QPoint(-100, -33);
    QTest::newRow("screen not at the origin") << QRect(1920, 0, 1024, 768) << QSize(624, 412) << QPoint(2120, 118);
  }
  void centredAcrossAndOneThirdDown() {
    QFETCH(QRect, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(commonDialogPosition(screen, window), position);
  }
};

QTEST_APPLESS_MAIN(TestCommonDialogPlacement)
#include "test_common_dialog_placement.moc"

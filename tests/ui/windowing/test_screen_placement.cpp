// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/screen_placement.h"

#include <QtTest>

// Where the program's windows and the common dialogs stand on the screen.
class TestScreenPlacement : public QObject {
  Q_OBJECT

 private slots:
  void windowStandsWhereItsKindBelongs_data() {
    QTest::addColumn<bool>("commonDialog");  // else a centred window
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    const QRect screen(0, 0, 1024, 768), small(0, 0, 800, 600), right(1920, 0, 1024, 768);
    QTest::newRow("centred, remainders dropped") << false << screen << QSize(624, 412) << QPoint(200, 178);
    QTest::newRow("centred, larger than the screen: at its top-left")
        << false << small << QSize(1001, 700) << QPoint(0, 0);
    QTest::newRow("centred, screen not at the origin") << false << right << QSize(1001, 700) << QPoint(1931, 34);
    QTest::newRow("common dialog, one third down") << true << screen << QSize(624, 412) << QPoint(200, 118);
    QTest::newRow("common dialog, larger than the screen: partly off it, truncated toward zero")
        << true << small << QSize(1001, 700) << QPoint(-100, -33);
    QTest::newRow("common dialog, screen not at the origin") << true << right << QSize(624, 412) << QPoint(2120, 118);
  }
  void windowStandsWhereItsKindBelongs() {
    QFETCH(bool, commonDialog);
    QFETCH(QRect, screen);
    QFETCH(QSize, window);
    QTEST(commonDialog ? commonDialogPosition(screen, window) : centredOnScreen(screen, window), "position");
  }
};

QTEST_APPLESS_MAIN(TestScreenPlacement)
#include "test_screen_placement.moc"

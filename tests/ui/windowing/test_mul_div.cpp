// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/mul_div.h"

#include <QtTest>

class TestMulDiv : public QObject {
  Q_OBJECT

 private slots:
  void roundsToTheNearestWholeNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 180 << 6 << 4 << 270;
    QTest::newRow(".375 down") << 63 << 13 << 8 << 102;
    QTest::newRow(".625 up") << 41 << 13 << 8 << 67;
    QTest::newRow("half away from zero") << 1 << 1 << 2 << 1;
    QTest::newRow("negative half away from zero") << -3 << 1 << 2 << -2;
    QTest::newRow("no 32-bit overflow inside") << 65536 << 65536 << 65536 << 65536;
    QTest::newRow("zero denominator") << 5 << 1 << 0 << -1;
  }
  void roundsToTheNearestWholeNumber() {
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(MulDiv(number, numerator, denominator), result);
  }
};

QTEST_APPLESS_MAIN(TestMulDiv)
#include "test_mul_div.moc"

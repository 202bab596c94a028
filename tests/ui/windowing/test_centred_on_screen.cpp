// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "centred_on_screen.h"

#include <QtTest>

class TestCentredOnScreen : public QObject {
  Q_OBJECT

 private slots:
  void aWindowIsCentredWithRemaindersDropped() { QCOMPARE(centredOnScreen({1024, 768}, {624, 412}), QPoint(200, 178)); }
  void aWindowLargerThanTheScreenStandsAtItsTopLeft() {
    QCOMPARE(centredOnScreen({800, 600}, {1001, 700}), QPoint(0, 0));
  }
};

QTEST_APPLESS_MAIN(TestCentredOnScreen)
#include "test_centred_on_screen.moc"

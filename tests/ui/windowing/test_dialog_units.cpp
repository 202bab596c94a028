// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "dialog_units.h"

#include <QtTest>

class TestDialogUnits : public QObject {
  Q_OBJECT

 private slots:
  void aWindowIsCentredWithRemaindersDropped() { QCOMPARE(centredOnScreen({1024, 768}, {624, 412}), QPoint(200, 178)); }
  void aWindowLargerThanTheScreenStandsAtItsTopLeft() {
    QCOMPARE(centredOnScreen({800, 600}, {1001, 700}), QPoint(0, 0));
  }
};

QTEST_APPLESS_MAIN(TestDialogUnits)
#include "test_dialog_units.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/input_box_layout.h"

#include <QtTest>

class TestInputBoxLayout : public QObject {
  Q_OBJECT

 private slots:
  void dialogUnitsOfSixByThirteenGiveTheWorkedExample() {
    const InputBoxLayout layout = inputBoxLayout({6, 13});
    QCOMPARE(layout.clientSize, QSize(270, 102));
    QCOMPARE(layout.promptPosition, QPoint(12, 13));
    QCOMPARE(layout.editPosition, QPoint(12, 31));
    QCOMPARE(layout.editWidth, 246);
    QCOMPARE(layout.okButton, QRect(57, 67, 75, 23));
    QCOMPARE(layout.cancelButton, QRect(138, 67, 75, 23));
  }
};

QTEST_APPLESS_MAIN(TestInputBoxLayout)
#include "test_input_box_layout.moc"

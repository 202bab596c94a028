// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/platform_choice.h"

#include <QtTest>

class TestPlatformChoice : public QObject {
  Q_OBJECT

 private slots:
  void x11FirstUnlessTheUserChoseAPlatform_data() {
    QTest::addColumn<QByteArray>("userChoice");
    QTest::addColumn<bool>("x11Answers");
    QTest::addColumn<bool>("waylandAnswers");
    QTest::addColumn<QByteArray>("platforms");
    QTest::newRow("X display") << QByteArray() << true << false << QByteArray("xcb;wayland");
    QTest::newRow("XWayland") << QByteArray() << true << true << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone") << QByteArray() << false << true << QByteArray("wayland");
    QTest::newRow("no display: cannot start") << QByteArray() << false << false << QByteArray();
    QTest::newRow("user's Wayland") << QByteArray("wayland") << true << false << QByteArray("wayland");
    QTest::newRow("user's offscreen") << QByteArray("offscreen") << false << false << QByteArray("offscreen");
  }
  void x11FirstUnlessTheUserChoseAPlatform() {
    QFETCH(QByteArray, userChoice);
    QFETCH(bool, x11Answers);
    QFETCH(bool, waylandAnswers);
    QFETCH(QByteArray, platforms);
    QCOMPARE(qtPlatformChoice(userChoice, x11Answers, waylandAnswers), platforms);
  }
};

QTEST_APPLESS_MAIN(TestPlatformChoice)
#include "test_platform_choice.moc"

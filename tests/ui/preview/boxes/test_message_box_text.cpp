// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/message_box_text.h"

#include <QtTest>

class TestMessageBoxText : public QObject {
  Q_OBJECT

 private slots:
  void keepsWhatFitsOnTheScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<int>("maxCharacters");
    QTest::addColumn<QString>("visible");
    QTest::newRow("line breaks") << "one\r\ntwo\r\n\r\nfour" << 10 << 100 << "one\ntwo\n\nfour";
    QTest::newRow("lines cut") << "one\r\ntwo\r\nthree" << 2 << 100 << "one\ntwo";
    QTest::newRow("characters cut") << "one\r\ntwo" << 10 << 5 << "one\nt";
  }
  void keepsWhatFitsOnTheScreen() {
    QFETCH(QString, text);
    QFETCH(int, maxLines);
    QFETCH(int, maxCharacters);
    QFETCH(QString, visible);
    QCOMPARE(visibleMessageText(text, maxLines, maxCharacters), visible);
  }
};

QTEST_APPLESS_MAIN(TestMessageBoxText)
#include "test_message_box_text.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/input_box_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

class TestInputBoxCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void entriesStandVerbatimInTheCallLine_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("line");
    QTest::newRow("defaults") << QStringList{"Result", "", "", ""} << "Result := InputBox('', '', '');";
    QTest::newRow("example") << QStringList{"Result", "Login", "Your name:", "Guest"}
                             << "Result := InputBox('Login', 'Your name:', 'Guest');";
    QTest::newRow("verbatim entries") << QStringList{"", "it's", " a ", "ä|b"} << " := InputBox('it's', ' a ', 'ä|b');";
  }

  void entriesStandVerbatimInTheCallLine() {
    QFETCH(QStringList, entries);
    const InputBoxSettings s{entries[1].toStdString(), entries[2].toStdString(), entries[3].toStdString(),
                             entries[0].toStdString()};
    const QStringList block = toList(InputBoxCodeGenerator{}.generate(s));
    QCOMPARE(block.size(), 3);
    QCOMPARE(block[0], "//Begin InputBox Creator Code");
    QTEST(block[1], "line");
    QCOMPARE(block[2], "//End InputBox Creator Code");
  }
};

QTEST_GUILESS_MAIN(TestInputBoxCodeGenerator)
#include "test_input_box_code_generator.moc"

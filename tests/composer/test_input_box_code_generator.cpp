// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/input_box_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestInputBoxCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void entriesStandVerbatimInTheCallLine_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("line");
    QTest::newRow("defaults") << QStringList{u"Result"_s, u""_s, u""_s, u""_s} << "Result := InputBox('', '', '');";
    QTest::newRow("example") << QStringList{u"Result"_s, u"Login"_s, u"Your name:"_s, u"Guest"_s}
                             << "Result := InputBox('Login', 'Your name:', 'Guest');";
    QTest::newRow("verbatim entries") << QStringList{u""_s, u"it's"_s, u" a "_s, u"ä|b"_s}
                                      << " := InputBox('it's', ' a ', 'ä|b');";
  }

  void entriesStandVerbatimInTheCallLine() {
    QFETCH(QStringList, entries);
    const InputBoxSettings s{entries[1].toStdString(), entries[2].toStdString(), entries[3].toStdString(),
                             entries[0].toStdString()};
    const QStringList block = toList(InputBoxCodeGenerator{}.generate(s));
    QCOMPARE(block.size(), 3);
    QCOMPARE(block[0], u"//Begin InputBox Creator Code"_s);
    QTEST(block[1], "line");
    QCOMPARE(block[2], u"//End InputBox Creator Code"_s);
  }
};

QTEST_GUILESS_MAIN(TestInputBoxCodeGenerator)
#include "test_input_box_code_generator.moc"

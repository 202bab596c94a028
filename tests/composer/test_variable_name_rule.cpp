// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/variable_name_rule.h"

#include <QtTest>

// A variable name holding a decimal digit or a blank becomes "Result"; any
// other name, the empty one included, stays as it is.
class TestVariableNameRule : public QObject {
  Q_OBJECT

 private slots:
  void digitOrBlankGivesResultOtherNamesStay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    QTest::newRow("digit at the end") << "Res1"
                                      << "Result";
    QTest::newRow("digit at the start") << "1st"
                                        << "Result";
    QTest::newRow("blank") << "my var"
                           << "Result";
    QTest::newRow("blank alone") << " "
                                 << "Result";
    QTest::newRow("underscore passes") << "my_var"
                                       << "my_var";
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("tab and other characters pass") << "a\tb-ä"
                                                   << "a\tb-ä";
    QTest::newRow("non-ASCII digits are no decimal digits") << "x٣"
                                                            << "x٣";
  }

  void digitOrBlankGivesResultOtherNamesStay() {
    QFETCH(QString, name);
    QTEST(QString::fromStdString(VariableNameRule(name.toStdString())), "result");
  }
};

QTEST_GUILESS_MAIN(TestVariableNameRule)
#include "test_variable_name_rule.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/build_filter_string.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Filter rows from alternating names and patterns, starting at the first data row.
FilterRows rows(const QStringList& cells, int firstRow = 0) {
  FilterRows result;
  for (int i = 0; i + 1 < cells.size(); i += 2)
    result.at(static_cast<std::size_t>(firstRow + i / 2)) = {cells[i].toStdString(), cells[i + 1].toStdString()};
  return result;
}

}  // namespace

class TestBuildFilterString : public QObject {
  Q_OBJECT

 private slots:
  void rowsBeforeTheFirstEmptyNameGiveTheFilter_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QString>("filter");
    QTest::newRow("no rows") << QStringList() << 0 << "";
    QTest::newRow("two rows") << QStringList{u"Text files"_s, u"*.txt"_s, u"All files"_s, u"*.*"_s} << 0
                              << "Text files|*.txt|All files|*.*";
    QTest::newRow("empty pattern keeps one bar") << QStringList{u"Pictures"_s, u""_s} << 0 << "Pictures|";
    QTest::newRow("empty pattern in the middle") << QStringList{u"A"_s, u""_s, u"B"_s, u"*.b"_s} << 0 << "A||B|*.b";
    QTest::newRow("first name empty, later rows ignored") << QStringList{u"Text files"_s, u"*.txt"_s} << 1 << "";
    QTest::newRow("stops at first empty name")
        << QStringList{u"A"_s, u"*.a"_s, u""_s, u"*.x"_s, u"C"_s, u"*.c"_s} << 0 << "A|*.a";
    QTest::newRow("bars and quotes verbatim") << QStringList{u"A|B"_s, u"*.a;'*.b'"_s} << 0 << "A|B|*.a;'*.b'";
    QStringList full;
    for (int i = 1; i <= 19; ++i) full << u"N%1"_s.arg(i) << u"*.%1"_s.arg(i);
    const QString expected =
        u"N1|*.1|N2|*.2|N3|*.3|N4|*.4|N5|*.5|N6|*.6|N7|*.7|N8|*.8|N9|*"
        u".9|N10|*.10|N11|*.11|N12|*.12|N13|*.13|N14|*.14|N15|*.15|N16|*.16|N17|*.17|N18|*.18|N19|*.19"_s;
    QTest::newRow("all 19 rows") << full << 0 << expected;
  }

  void rowsBeforeTheFirstEmptyNameGiveTheFilter() {
    QFETCH(QStringList, cells);
    QFETCH(int, firstRow);
    QTEST(QString::fromStdString(BuildFilterString(rows(cells, firstRow))), "filter");
  }
};

QTEST_GUILESS_MAIN(TestBuildFilterString)
#include "test_build_filter_string.moc"

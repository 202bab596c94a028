// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/build_filter_string.h"

#include <QtTest>

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
    QTest::newRow("two rows") << QStringList{"Text files", "*.txt", "All files", "*.*"} << 0
                              << "Text files|*.txt|All files|*.*";
    QTest::newRow("empty pattern keeps one bar") << QStringList{"Pictures", ""} << 0 << "Pictures|";
    QTest::newRow("empty pattern in the middle") << QStringList{"A", "", "B", "*.b"} << 0 << "A||B|*.b";
    QTest::newRow("first name empty, later rows ignored") << QStringList{"Text files", "*.txt"} << 1 << "";
    QTest::newRow("stops at first empty name") << QStringList{"A", "*.a", "", "*.x", "C", "*.c"} << 0 << "A|*.a";
    QTest::newRow("bars and quotes verbatim") << QStringList{"A|B", "*.a;'*.b'"} << 0 << "A|B|*.a;'*.b'";
    QStringList full;
    for (int i = 1; i <= 19; ++i) full << QString("N%1").arg(i) << QString("*.%1").arg(i);
    const QString expected =
        "N1|*.1|N2|*.2|N3|*.3|N4|*.4|N5|*.5|N6|*.6|N7|*.7|N8|*.8|N9|*"
        ".9|N10|*.10|N11|*.11|N12|*.12|N13|*.13|N14|*.14|N15|*.15|N16|*.16|N17|*.17|N18|*.18|N19|*.19";
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

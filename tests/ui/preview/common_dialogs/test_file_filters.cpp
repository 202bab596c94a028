// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/file_filters.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using Filters = std::vector<FileFilter>;
Q_DECLARE_METATYPE(Filters)

class TestFileFilters : public QObject {
  Q_OBJECT

 private slots:
  void fileFiltersFollowTheTerminatorRule_data() {
    QTest::addColumn<QString>("filterText");
    QTest::addColumn<Filters>("filters");
    QTest::newRow("empty") << "" << Filters{};
    QTest::newRow("two pairs") << "Text files|*.txt|All files|*.*"
                               << Filters{{u"Text files"_s, u"*.txt"_s}, {u"All files"_s, u"*.*"_s}};
    QTest::newRow("name without pattern") << "Pictures|" << Filters{};
    QTest::newRow("bar inside a name shifts the pairs")
        << "Te|xt|*.txt|All|*.*" << Filters{{u"Te"_s, u"xt"_s}, {u"*.txt"_s, u"All"_s}};
    QTest::newRow("bar inside a pattern")
        << "Text|*.txt|*.log|Logs|*.log" << Filters{{u"Text"_s, u"*.txt"_s}, {u"*.log"_s, u"Logs"_s}};
    QTest::newRow("empty pattern ends the list") << "A|*.a||B|*.b" << Filters{{u"A"_s, u"*.a"_s}};
  }
  void fileFiltersFollowTheTerminatorRule() {
    QFETCH(QString, filterText);
    QFETCH(Filters, filters);
    QCOMPARE(fileFilters(filterText), filters);
  }

  void fileNamesMatchTheirFilterPatterns_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("extension") << "notes.txt"
                               << "*.txt" << true;
    QTest::newRow("case ignored") << "NOTES.TXT"
                                  << "*.txt" << true;
    QTest::newRow("other extension") << "notes.txt.bak"
                                     << "*.txt" << false;
    QTest::newRow("second pattern") << "app.log"
                                    << "*.txt;*.log" << true;
    QTest::newRow("blank belongs to the pattern") << "app.log"
                                                  << "*.txt; *.log" << false;
    QTest::newRow("blank inside") << "my file 2.txt"
                                  << "my file*.txt" << true;
    QTest::newRow("star dot star without a dot") << "README"
                                                 << "*.*" << true;
    QTest::newRow("question mark") << "a1.c"
                                   << "a?.c" << true;
    QTest::newRow("question mark needs one") << "a.c"
                                             << "a?.c" << false;
    QTest::newRow("non-ASCII letter") << "Ä.BÄK"
                                      << "*.bäk" << true;
    QTest::newRow("brackets are letters") << "a.(a)"
                                          << "*.(a)" << true;
    QTest::newRow("no set in brackets") << "a.b"
                                        << "*.[ab]" << false;
    QTest::newRow("backslash and quote") << "a\\\"b"
                                         << "a\\\"*" << true;
    QTest::newRow("only separators") << "a"
                                     << ";;" << false;
    QTest::newRow("stars backtrack") << "aaaaaaaaab"
                                     << "*a*a*a*b" << true;
  }
  void fileNamesMatchTheirFilterPatterns() {
    QFETCH(QString, fileName);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(matchesFilterPatterns(fileName, filterPatterns(pattern)), matches);
  }
};

QTEST_APPLESS_MAIN(TestFileFilters)
#include "test_file_filters.moc"

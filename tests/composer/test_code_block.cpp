// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/code_block.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The text of a block: its lines in order, each ended by CR LF.
class TestCodeBlock : public QObject {
  Q_OBJECT

 private slots:
  // The block's text is its lines in order, each ended by CR LF; a line keeps
  // whatever line-end characters it holds itself.
  void blockTextEndsEveryLineWithCrLf_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("no lines") << QStringList() << QByteArray();
    QTest::newRow("one empty line") << QStringList{u""_s} << QByteArray("\r\n");
    QTest::newRow("line ends inside lines are kept")
        << QStringList{u"a\nb"_s, u"c\r\nd"_s, u""_s} << QByteArray("a\nb\r\nc\r\nd\r\n\r\n");
    QTest::newRow("UTF-8 bytes unchanged") << QStringList{u"Grüße ✓"_s}
                                           << QByteArray(
                                                  "Gr\xc3\xbc\xc3\x9f"
                                                  "e \xe2\x9c\x93\r\n");
  }

  void blockTextEndsEveryLineWithCrLf() {
    QFETCH(QStringList, lines);
    CodeBlock block;
    for (const QString& line : lines) block.addLine(line.toStdString());
    QTEST(QByteArray::fromStdString(block.text()), "text");
  }
};

QTEST_GUILESS_MAIN(TestCodeBlock)
#include "test_code_block.moc"

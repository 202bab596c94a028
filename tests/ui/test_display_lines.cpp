// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/display_lines.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList toStringList(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

// The message text box as the window has it: word wrap on, no scroll bars, 8-point font.
void setUpBox(QPlainTextEdit& box, const QSize& size) {
  box.setFont(QFont(u"Liberation Sans"_s, 8));
  box.setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box.resize(size);
}

// The display lines the shown box itself has, each paragraph laid out by its own layout.
QStringList shownLines(const QPlainTextEdit& box) {
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(box.document()->documentLayout());
  QStringList lines;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    layout->ensureBlockLayout(block);
    const QTextLayout* blockLayout = block.layout();
    for (int i = 0; i < blockLayout->lineCount(); ++i) {
      const QTextLine line = blockLayout->lineAt(i);
      lines << block.text().mid(line.textStart(), line.textLength());
    }
  }
  return lines;
}

const QString longSentence =
    "The quick brown fox jumps over the lazy dog while the lazy dog keeps on sleeping in the warm afternoon sun, "
    u"and nobody minds at all."_s;

}  // namespace

class TestDisplayLines : public QObject {
  Q_OBJECT

 private slots:
  void matchesWhatTheShownBoxDisplays_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size");
    const QSize messageBox(249, 65);
    QTest::newRow("one short line") << "Hello" << messageBox;
    QTest::newRow("a long sentence wraps at blanks") << longSentence << messageBox;
    QTest::newRow("a word wider than the box breaks anywhere") << QString(90, u'W') << messageBox;
    QTest::newRow("many blanks at a wrap point") << u"word "_s + QString(80, u' ') + u"word"_s << messageBox;
    QTest::newRow("tabs") << "a\tbb\tccc\tdddd\teeeee\tffffff\tggggggg\thhhhhhhh" << messageBox;
    QTest::newRow("hard breaks between wrapped lines")
        << longSentence + u"\n\n"_s + longSentence + u"\n"_s << messageBox;
    QTest::newRow("pasted CR LF and bare CR") << u"one\r\ntwo\rthree "_s + longSentence << messageBox;
    QTest::newRow("UTF-8 and wide characters") << QString::fromUtf8(
                                                      "Grüße ÄÖÜ ß – 漢字かなカナ漢字かなカナ漢字かなカナ漢字かな "
                                                      "€uro 😀 émoji 😀😀😀😀😀😀😀😀😀😀😀😀😀😀")
                                               << messageBox;
    QTest::newRow("a narrow box") << longSentence << QSize(60, 65);
    QTest::newRow("a wide box") << longSentence + u" "_s + longSentence << QSize(700, 65);
  }

  // The lines are computed while the box has never been shown, as on a page that is not in
  // front; then the box is shown and its own layout must agree.
  void matchesWhatTheShownBoxDisplays() {
    QFETCH(QString, text);
    QFETCH(QSize, size);
    QPlainTextEdit box;
    setUpBox(box, size);
    box.setPlainText(text);
    const QStringList computed = toStringList(displayLines(text, box.font(), plainTextEditTextWidth(box)));

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QStringList shown = shownLines(box);
    if (!shown.isEmpty() && shown.last().isEmpty()) shown.removeLast();
    QVERIFY2(shown.size() > 1 || text.size() < 10, "the row should make the box wrap");
    QCOMPARE(computed, shown);
  }

  // Measured in a box wide enough that nothing wraps.
  void endsLinesAtHardBreaksAndCutsThemAfter4096Characters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty text has no lines") << "" << QStringList{};
    QTest::newRow("one line") << "abc" << QStringList{u"abc"_s};
    QTest::newRow("one trailing break adds no line") << "abc\n" << QStringList{u"abc"_s};
    QTest::newRow("two trailing breaks add one empty line") << "abc\n\n" << QStringList{u"abc"_s, u""_s};
    QTest::newRow("a lone break is one empty line") << "\n" << QStringList{u""_s};
    QTest::newRow("empty line in the middle") << "a\n\nb" << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("CR LF is one break") << "a\r\nb\r\n" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("bare CR is one break") << "a\rb\r\r" << QStringList{u"a"_s, u"b"_s, u""_s};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("blanks and tabs are kept") << " a\t \n\t" << QStringList{u" a\t "_s, u"\t"_s};
    const QString x4095(4095, u'x'), x4096(4096, u'x');
    QTest::newRow("exactly 4096 stays whole") << x4096 + u"\nnext"_s << QStringList{x4096, u"next"_s};
    QTest::newRow("longer is cut") << QString(5000, u'x') + u"\nnext"_s << QStringList{x4096, u"next"_s};
    QTest::newRow("a character is never split")
        << x4095 + QString::fromUtf8("😀") + u"yy\nnext"_s << QStringList{x4095, u"next"_s};
  }

  void endsLinesAtHardBreaksAndCutsThemAfter4096Characters() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(toStringList(displayLines(text, QFont(u"Liberation Sans"_s, 8), 10'000'000)), lines);
  }
};

QTEST_MAIN(TestDisplayLines)
#include "test_display_lines.moc"

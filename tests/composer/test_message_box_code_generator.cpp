// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/message_box_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ButtonChoice)

class TestMessageBoxCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void linesJoinWithLineFeedBeforeCarriageReturn_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expression");
    QTest::newRow("no lines") << QStringList() << "''";
    QTest::newRow("one line, no separator") << QStringList{u"Hello"_s} << "'Hello'";
    QTest::newRow("two lines, LF before CR")
        << QStringList{u"Save changes?"_s, u"Quit now?"_s} << "'Save changes?' + #10#13 + 'Quit now?'";
    QTest::newRow("empty line in the middle")
        << QStringList{u"first"_s, u""_s, u"third"_s} << "'first' + #10#13 + '' + #10#13 + 'third'";
    QTest::newRow("empty last line") << QStringList{u"a"_s, u""_s} << "'a' + #10#13 + ''";
    QTest::newRow("one empty line") << QStringList{u""_s} << "''";
    QTest::newRow("quote copied verbatim") << QStringList{u"it's"_s} << "'it's'";
    QTest::newRow("UTF-8 and bars kept") << QStringList{u"Grüße | ✓"_s} << "'Grüße | ✓'";
  }

  void linesJoinWithLineFeedBeforeCarriageReturn() {
    QFETCH(QStringList, lines);
    std::vector<std::string> input;
    for (const QString& line : lines) input.push_back(line.toStdString());
    QTEST(QString::fromStdString(BuildMessageTextExpression(input)), "expression");
  }

  // Every button choice: the branches follow the set, never the default button,
  // and each branch is a condition line followed by its two-blank comment line.
  void branchesFollowTheButtonSet_data() {
    QTest::addColumn<ButtonChoice>("buttons");
    QTest::addColumn<QStringList>("branchLines");
    const QStringList ok{u"if v = IDOK then"_s, u"  {User has selected OK};"_s};
    const QStringList cancel{u"if v = IDCANCEL then"_s, u"  {User has selected Cancel};"_s};
    const QStringList yes{u"if v = IDYES then"_s, u"  {User has selected Yes};"_s};
    const QStringList no{u"if v = IDNO then"_s, u"  {User has selected No};"_s};
    const QStringList abort{u"if v = IDABORT then"_s, u"  {User has selected Abort};"_s};
    const QStringList retry{u"if v = IDRETRY then"_s, u"  {User has selected Retry};"_s};
    const QStringList ignore{u"if v = IDIGNORE then"_s, u"  {User has selected Ignore};"_s};
    using enum ButtonChoice;
    QTest::newRow("OK_OK") << OK_OK << QStringList();
    QTest::newRow("OK_OKCancel") << OK_OKCancel << ok + cancel;
    QTest::newRow("Cancel_OKCancel") << Cancel_OKCancel << ok + cancel;
    QTest::newRow("Yes_YesNo") << Yes_YesNo << yes + no;
    QTest::newRow("No_YesNo") << No_YesNo << yes + no;
    QTest::newRow("Yes_YesNoCancel") << Yes_YesNoCancel << yes + no + cancel;
    QTest::newRow("No_YesNoCancel") << No_YesNoCancel << yes + no + cancel;
    QTest::newRow("Cancel_YesNoCancel") << Cancel_YesNoCancel << yes + no + cancel;
    QTest::newRow("Abort_AbortRetryIgnore") << Abort_AbortRetryIgnore << abort + retry + ignore;
    QTest::newRow("Retry_AbortRetryIgnore") << Retry_AbortRetryIgnore << abort + retry + ignore;
    QTest::newRow("Ignore_AbortRetryIgnore") << Ignore_AbortRetryIgnore << abort + retry + ignore;
    QTest::newRow("Retry_RetryCancel") << Retry_RetryCancel << retry + cancel;
    QTest::newRow("Cancel_RetryCancel") << Cancel_RetryCancel << retry + cancel;
  }

  void branchesFollowTheButtonSet() {
    QFETCH(ButtonChoice, buttons);
    QFETCH(QStringList, branchLines);
    MessageBoxSettings s;
    s.variable = "v";
    s.buttons = buttons;
    const QStringList block = toList(MessageBoxCodeGenerator{}.generate(s));
    QCOMPARE(block.size(), 3 + branchLines.size());
    QCOMPARE(block.mid(2, branchLines.size()), branchLines);
    QCOMPARE(block.last(), u"//End MessageBox Creator Code"_s);
  }

  void entriesAreInsertedVerbatim_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("callLine");
    QTest::addColumn<QString>("conditionLine");
    const auto row = [](const char* name, const QString& variable, const QString& caption, const QString& callLine,
                        const QString& conditionLine) {
      QTest::newRow(name) << variable << caption << callLine << conditionLine;
    };
    row("empty variable", u""_s, u""_s, u" := MessageBox(Handle, 'x', '', 1);"_s, u"if  = IDOK then"_s);
    row("quote in caption", u"Result"_s, u"Don't"_s, u"Result := MessageBox(Handle, 'x', 'Don't', 1);"_s,
        u"if Result = IDOK then"_s);
    row("blank in variable, no trimming", u" my var "_s, u" c "_s, u" my var  := MessageBox(Handle, 'x', ' c ', 1);"_s,
        u"if  my var  = IDOK then"_s);
    row("UTF-8 and control characters", u"Ergebnis"_s, u"Grüße\t✓"_s,
        u"Ergebnis := MessageBox(Handle, 'x', 'Grüße\t✓', 1);"_s, u"if Ergebnis = IDOK then"_s);
  }

  void entriesAreInsertedVerbatim() {
    QFETCH(QString, variable);
    QFETCH(QString, caption);
    MessageBoxSettings s;
    s.variable = variable.toStdString();
    s.caption = caption.toStdString();
    s.lines = {"x"};
    s.icon = IconChoice::NoIcon;
    s.buttons = ButtonChoice::OK_OKCancel;
    const QStringList block = toList(MessageBoxCodeGenerator{}.generate(s));
    QTEST(block.at(1), "callLine");
    QTEST(block.at(2), "conditionLine");
  }

  void aMegabyteMessageIsCopiedWhole() {
    MessageBoxSettings s;
    s.lines.assign(10000, std::string(100, 'x'));
    const QStringList block = toList(MessageBoxCodeGenerator{}.generate(s));
    // 29 characters before the text, 102 for each quoted line, 12 for each separator, 10 after it.
    QCOMPARE(block.at(1).size(), 29 + 10000 * 102 + 9999 * 12 + 10);
  }
};

QTEST_GUILESS_MAIN(TestMessageBoxCodeGenerator)
#include "test_message_box_code_generator.moc"

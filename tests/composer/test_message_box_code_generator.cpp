// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/message_box_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

Q_DECLARE_METATYPE(ButtonChoice)

class TestMessageBoxCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void linesJoinWithLineFeedBeforeCarriageReturn_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expression");
    QTest::newRow("no lines") << QStringList() << "''";
    QTest::newRow("one line, no separator") << QStringList{"Hello"} << "'Hello'";
    QTest::newRow("two lines, LF before CR")
        << QStringList{"Save changes?", "Quit now?"} << "'Save changes?' + #10#13 + 'Quit now?'";
    QTest::newRow("empty line in the middle")
        << QStringList{"first", "", "third"} << "'first' + #10#13 + '' + #10#13 + 'third'";
    QTest::newRow("empty last line") << QStringList{"a", ""} << "'a' + #10#13 + ''";
    QTest::newRow("one empty line") << QStringList{""} << "''";
    QTest::newRow("quote copied verbatim") << QStringList{"it's"} << "'it's'";
    QTest::newRow("UTF-8 and bars kept") << QStringList{"Grüße | ✓"} << "'Grüße | ✓'";
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
    const QStringList ok{"if v = IDOK then", "  {User has selected OK};"};
    const QStringList cancel{"if v = IDCANCEL then", "  {User has selected Cancel};"};
    const QStringList yes{"if v = IDYES then", "  {User has selected Yes};"};
    const QStringList no{"if v = IDNO then", "  {User has selected No};"};
    const QStringList abort{"if v = IDABORT then", "  {User has selected Abort};"};
    const QStringList retry{"if v = IDRETRY then", "  {User has selected Retry};"};
    const QStringList ignore{"if v = IDIGNORE then", "  {User has selected Ignore};"};
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
    QCOMPARE(block.last(), "//End MessageBox Creator Code");
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
    row("empty variable", "", "", " := MessageBox(Handle, 'x', '', 1);", "if  = IDOK then");
    row("quote in caption", "Result", "Don't", "Result := MessageBox(Handle, 'x', 'Don't', 1);",
        "if Result = IDOK then");
    row("blank in variable, no trimming", " my var ", " c ", " my var  := MessageBox(Handle, 'x', ' c ', 1);",
        "if  my var  = IDOK then");
    row("UTF-8 and control characters", "Ergebnis", "Grüße\t✓", "Ergebnis := MessageBox(Handle, 'x', 'Grüße\t✓', 1);",
        "if Ergebnis = IDOK then");
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

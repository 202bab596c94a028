// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "message_box_code_generator.h"

#include <QtTest>

namespace {

// The block's lines, split at the CR LF that ends each.
QStringList toList(const CodeBlock& block) {
  QStringList list = QString::fromStdString(block.text()).split("\r\n");
  list.removeLast();
  return list;
}

}  // namespace

Q_DECLARE_METATYPE(IconChoice)
Q_DECLARE_METATYPE(ButtonChoice)

class TestMessageBoxCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void textExpression_data() {
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

  void textExpression() {
    QFETCH(QStringList, lines);
    std::vector<std::string> input;
    for (const QString& line : lines) input.push_back(line.toStdString());
    QTEST(QString::fromStdString(BuildMessageTextExpression(input)), "expression");
  }

  void worksExample() {
    MessageBoxSettings s;
    s.variable = "Result";
    s.caption = "Confirm";
    s.lines = {"Save changes?", "Quit now?"};
    s.icon = IconChoice::Question;
    s.buttons = ButtonChoice::No_YesNoCancel;
    const QStringList expected{
        "//Begin MessageBox Creator Code",
        "Result := MessageBox(Handle, 'Save changes?' + #10#13 + 'Quit now?', 'Confirm', 291);",
        "if Result = IDYES then",
        "  {User has selected Yes};",
        "if Result = IDNO then",
        "  {User has selected No};",
        "if Result = IDCANCEL then",
        "  {User has selected Cancel};",
        "//End MessageBox Creator Code",
    };
    QCOMPARE(toList(MessageBoxCodeGenerator{}.generate(s)), expected);
  }

  void defaultSettingsGiveThreeLines() {
    const QStringList expected{"//Begin MessageBox Creator Code", "Result := MessageBox(Handle, '', '', 64);",
                               "//End MessageBox Creator Code"};
    QCOMPARE(toList(MessageBoxCodeGenerator{}.generate(MessageBoxSettings{})), expected);
  }

  void errorCaptionWithoutLines() {
    MessageBoxSettings s;
    s.caption = "Error";
    s.icon = IconChoice::Error;
    QCOMPARE(toList(MessageBoxCodeGenerator{}.generate(s)).at(1), "Result := MessageBox(Handle, '', 'Error', 16);");
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
    QTest::newRow("empty variable") << ""
                                    << ""
                                    << " := MessageBox(Handle, 'x', '', 1);"
                                    << "if  = IDOK then";
    QTest::newRow("quote in caption") << "Result"
                                      << "Don't"
                                      << "Result := MessageBox(Handle, 'x', 'Don't', 1);"
                                      << "if Result = IDOK then";
    QTest::newRow("blank in variable, no trimming") << " my var "
                                                    << " c "
                                                    << " my var  := MessageBox(Handle, 'x', ' c ', 1);"
                                                    << "if  my var  = IDOK then";
    QTest::newRow("UTF-8 and control characters") << "Ergebnis"
                                                  << "Grüße\t✓"
                                                  << "Ergebnis := MessageBox(Handle, 'x', 'Grüße\t✓', 1);"
                                                  << "if Ergebnis = IDOK then";
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
    const auto expected =
        static_cast<qsizetype>(std::string("Result := MessageBox(Handle, ").size() + 10000 * 102 +
                               9999 * std::string(" + #10#13 + ").size() + std::string(", '', 64);").size());
    QCOMPARE(block.at(1).size(), expected);
  }
};

QTEST_GUILESS_MAIN(TestMessageBoxCodeGenerator)
#include "test_message_box_code_generator.moc"

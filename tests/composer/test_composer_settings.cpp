// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "button_choice.h"
#include "composer_settings.h"
#include "creator_caption.h"
#include "message_box_style.h"
#include "variable_name_rule.h"

#include <QtTest>

Q_DECLARE_METATYPE(IconChoice)
Q_DECLARE_METATYPE(ButtonChoice)

namespace {

QStringList names(const std::vector<ResultId>& ids) {
  QStringList list;
  for (ResultId id : ids) list << QString::fromUtf8(resultIdName(id).data(), resultIdName(id).size());
  return list;
}

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

// Settings in which every field of every creator differs from its default.
ComposerSettings everythingChanged() {
  ComposerSettings s;
  s.activeCreator = CreatorKind::CommonDialog;
  s.messageBox = {"Confirm", "a\r\nb", {"a", "b"}, IconChoice::Error, ButtonChoice::No_YesNo, true, "x"};
  s.inputBox = {"c", "p", "d", "v"};
  s.commonDialog.activeDialog = DialogKind::Print;
  for (FileDialogSettings* file :
       {&s.commonDialog.open, &s.commonDialog.save, &s.commonDialog.openPicture, &s.commonDialog.savePicture}) {
    file->title = "t";
    file->defaultExtension = "e";
    file->filters[18] = {"n", "p"};
  }
  s.commonDialog.fontDevice = FontDevice::PrinterFontsOnly;
  s.commonDialog.allowCustomColors = s.commonDialog.showCustomColors = true;
  s.commonDialog.allowNonSolidColors = s.commonDialog.useNearestSolidColor = true;
  s.commonDialog.allowPrintToFile = true;
  return s;
}

bool isDefault(const MessageBoxSettings& m) {
  return m.caption.empty() && m.text.empty() && m.lines.empty() && m.icon == IconChoice::Information &&
         m.buttons == ButtonChoice::OK_OK && !m.systemModal && m.variable == "Result";
}

bool isDefault(const InputBoxSettings& i) {
  return i.caption.empty() && i.prompt.empty() && i.defaultText.empty() && i.variable == "Result";
}

bool isDefault(const CommonDialogSettings& c) {
  for (DialogKind kind : {DialogKind::Open, DialogKind::Save, DialogKind::OpenPicture, DialogKind::SavePicture}) {
    const FileDialogSettings& file = *fileDialogSettings(c, kind);
    if (!file.title.empty() || !file.defaultExtension.empty()) return false;
    for (const FilterRow& row : file.filters)
      if (!row.name.empty() || !row.pattern.empty()) return false;
  }
  return c.activeDialog == DialogKind::Open && c.fontDevice == FontDevice::AllFonts && !c.allowCustomColors &&
         !c.showCustomColors && !c.allowNonSolidColors && !c.useNearestSolidColor && !c.allowPrintToFile;
}

}  // namespace

class TestComposerSettings : public QObject {
  Q_OBJECT

 private slots:
  void defaultsAreTheFreshWindowsState() {
    const ComposerSettings s = defaults();
    QCOMPARE(s.activeCreator, CreatorKind::MessageBox);
    QVERIFY(isDefault(s.messageBox));
    QVERIFY(isDefault(s.inputBox));
    QVERIFY(isDefault(s.commonDialog));
    QCOMPARE(s.commonDialog.open.filters.size(), std::size_t(19));
  }

  void eachResetRestoresOnlyItsOwnCreator() {
    ComposerSettings s = everythingChanged();
    resetMessageBox(s);
    QVERIFY(isDefault(s.messageBox));
    QVERIFY(!isDefault(s.inputBox));
    QVERIFY(!isDefault(s.commonDialog));
    QCOMPARE(s.activeCreator, CreatorKind::CommonDialog);

    s = everythingChanged();
    resetInputBox(s);
    QVERIFY(isDefault(s.inputBox));
    QVERIFY(!isDefault(s.messageBox));
    QVERIFY(!isDefault(s.commonDialog));

    s = everythingChanged();
    resetCommonDialog(s);
    QVERIFY(isDefault(s.commonDialog));  // activeDialog back to Open as well
    QVERIFY(!isDefault(s.messageBox));
    QVERIFY(!isDefault(s.inputBox));
  }

  void creatorCaptions() {
    QCOMPARE(text(creatorCaption(CreatorKind::MessageBox)), "MessageBox Creator");
    QCOMPARE(text(creatorCaption(CreatorKind::InputBox)), "InputBox Creator");
    QCOMPARE(text(creatorCaption(CreatorKind::CommonDialog)), "Common Dialog Creator");
  }

  void buttonChoiceLookups_data() {
    QTest::addColumn<ButtonChoice>("choice");
    QTest::addColumn<QString>("setLabel");
    QTest::addColumn<QString>("defaultLabel");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QStringList>("branches");
    const QStringList okCancel{"IDOK", "IDCANCEL"}, yesNo{"IDYES", "IDNO"}, yesNoCancel{"IDYES", "IDNO", "IDCANCEL"},
        abortRetryIgnore{"IDABORT", "IDRETRY", "IDIGNORE"}, retryCancel{"IDRETRY", "IDCANCEL"};
    using enum ButtonChoice;
    QTest::newRow("OK_OK") << OK_OK << "Button(s): OK"
                           << "Default Button: OK" << 0u << QStringList();
    QTest::newRow("OK_OKCancel") << OK_OKCancel << "Button(s): OK, Cancel"
                                 << "Default Button: OK" << 1u << okCancel;
    QTest::newRow("Cancel_OKCancel") << Cancel_OKCancel << "Button(s): OK, Cancel"
                                     << "Default Button: Cancel" << 257u << okCancel;
    QTest::newRow("Yes_YesNo") << Yes_YesNo << "Button(s): Yes, No"
                               << "Default Button: Yes" << 4u << yesNo;
    QTest::newRow("No_YesNo") << No_YesNo << "Button(s): Yes, No"
                              << "Default Button: No" << 260u << yesNo;
    QTest::newRow("Yes_YesNoCancel") << Yes_YesNoCancel << "Button(s): Yes, No, Cancel"
                                     << "Default Button: Yes" << 3u << yesNoCancel;
    QTest::newRow("No_YesNoCancel") << No_YesNoCancel << "Button(s): Yes, No, Cancel"
                                    << "Default Button: No" << 259u << yesNoCancel;
    QTest::newRow("Cancel_YesNoCancel") << Cancel_YesNoCancel << "Button(s): Yes, No, Cancel"
                                        << "Default Button: Cancel" << 515u << yesNoCancel;
    QTest::newRow("Abort_AbortRetryIgnore") << Abort_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                            << "Default Button: Abort" << 2u << abortRetryIgnore;
    QTest::newRow("Retry_AbortRetryIgnore") << Retry_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                            << "Default Button: Retry" << 258u << abortRetryIgnore;
    QTest::newRow("Ignore_AbortRetryIgnore") << Ignore_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                             << "Default Button: Ignore" << 514u << abortRetryIgnore;
    QTest::newRow("Retry_RetryCancel") << Retry_RetryCancel << "Button(s): Retry, Cancel"
                                       << "Default Button: Retry" << 5u << retryCancel;
    QTest::newRow("Cancel_RetryCancel") << Cancel_RetryCancel << "Button(s): Retry, Cancel"
                                        << "Default Button: Cancel" << 261u << retryCancel;
  }

  void buttonChoiceLookups() {
    QFETCH(ButtonChoice, choice);
    QTEST(text(buttonSetLabel(choice)), "setLabel");
    QTEST(text(defaultButtonLabel(choice)), "defaultLabel");
    QTEST(uint(buttonChoiceValue(choice)), "value");
    QTEST(names(resultBranches(choice)), "branches");
  }

  void styleWordSumsSystemModalIconAndButtons_data() {
    QTest::addColumn<bool>("systemModal");
    QTest::addColumn<IconChoice>("icon");
    QTest::addColumn<ButtonChoice>("buttons");
    QTest::addColumn<uint>("style");
    QTest::newRow("defaults") << false << IconChoice::Information << ButtonChoice::OK_OK << 64u;
    QTest::newRow("question, No of Yes/No/Cancel")
        << false << IconChoice::Question << ButtonChoice::No_YesNoCancel << 291u;
    QTest::newRow("error") << false << IconChoice::Error << ButtonChoice::OK_OK << 16u;
    QTest::newRow("no icon, OK") << false << IconChoice::NoIcon << ButtonChoice::OK_OK << 0u;
    QTest::newRow("system-modal warning Cancel_YesNoCancel")
        << true << IconChoice::Warning << ButtonChoice::Cancel_YesNoCancel << 4659u;
    QTest::newRow("largest word") << true << IconChoice::Information << ButtonChoice::Cancel_YesNoCancel << 4675u;
    QTest::newRow("system-modal alone") << true << IconChoice::NoIcon << ButtonChoice::OK_OK << 4096u;
    QTest::newRow("retry cancel default cancel")
        << false << IconChoice::Warning << ButtonChoice::Cancel_RetryCancel << 48u + 261u;
  }

  void styleWordSumsSystemModalIconAndButtons() {
    MessageBoxSettings m;
    QFETCH(bool, systemModal);
    QFETCH(IconChoice, icon);
    QFETCH(ButtonChoice, buttons);
    m.systemModal = systemModal;
    m.icon = icon;
    m.buttons = buttons;
    QTEST(uint(MessageBoxStyle(m)), "style");
  }

  void styleWordIsTheBitwiseOrOverEveryCombination() {
    for (bool modal : {false, true})
      for (IconChoice icon :
           {IconChoice::Information, IconChoice::Question, IconChoice::Error, IconChoice::Warning, IconChoice::NoIcon})
        for (ButtonChoice buttons : allButtonChoices) {
          MessageBoxSettings m;
          m.systemModal = modal;
          m.icon = icon;
          m.buttons = buttons;
          const std::uint32_t orWord = (modal ? 0x1000u : 0u) | iconChoiceValue(icon) | buttonChoiceValue(buttons);
          QCOMPARE(MessageBoxStyle(m), orWord);
          QVERIFY(MessageBoxStyle(m) <= 4675u);
        }
  }

  void variableNameRule_data() {
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

  void variableNameRule() {
    QFETCH(QString, name);
    QTEST(QString::fromStdString(VariableNameRule(name.toStdString())), "result");
  }
};

QTEST_GUILESS_MAIN(TestComposerSettings)
#include "test_composer_settings.moc"

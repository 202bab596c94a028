// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/composer_settings.h"
#include "tests/support/test_support.h"

#include <QtTest>

namespace {

// Settings in which every field of every creator differs from its default.
ComposerSettings everythingChanged() {
  ComposerSettings s;
  s.activeCreator = CreatorKind::CommonDialog;
  s.messageBox = {"Confirm", "a\r\nb", {"a", "b"}, IconChoice::Error, ButtonChoice::No_YesNo, true, "x"};
  s.inputBox = {"c", "p", "d", "v"};
  s.commonDialog.activeDialog = DialogKind::Print;
  for (FileDialogSettings& file : s.commonDialog.files) {
    file.title = "t";
    file.defaultExtension = "e";
    file.filters[18] = {"n", "p"};
  }
  s.commonDialog.fontDevice = FontDevice::PrinterFontsOnly;
  s.commonDialog.allowCustomColors = s.commonDialog.showCustomColors = true;
  s.commonDialog.allowNonSolidColors = s.commonDialog.useNearestSolidColor = true;
  s.commonDialog.allowPrintToFile = true;
  return s;
}

}  // namespace

class TestComposerSettings : public QObject {
  Q_OBJECT

 private slots:
  // The fresh window's state, every field written out.
  void defaultsAreTheFreshWindowsState() {
    const ComposerSettings fresh{
        CreatorKind::MessageBox,
        {"", "", {}, IconChoice::Information, ButtonChoice::OK_OK, false, "Result"},
        {"", "", "", "Result"},
        {DialogKind::Open, {}, FontDevice::AllFonts, false, false, false, false, false},
    };
    QCOMPARE(defaults(), fresh);
    QVERIFY(differsInEveryField(everythingChanged(), defaults()));
  }

  void eachResetRestoresOnlyItsOwnCreator() {
    ComposerSettings s = everythingChanged(), expected = everythingChanged();
    resetMessageBox(s);
    expected.messageBox = defaults().messageBox;
    QCOMPARE(s, expected);

    s = expected = everythingChanged();
    resetInputBox(s);
    expected.inputBox = defaults().inputBox;
    QCOMPARE(s, expected);

    s = expected = everythingChanged();
    resetCommonDialog(s);  // activeDialog back to Open as well
    expected.commonDialog = defaults().commonDialog;
    QCOMPARE(s, expected);
  }
};

QTEST_GUILESS_MAIN(TestComposerSettings)
#include "test_composer_settings.moc"

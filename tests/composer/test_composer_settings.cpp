// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer_settings.h"
#include "test_support.h"

#include <QtTest>

namespace {

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

}  // namespace

class TestComposerSettings : public QObject {
  Q_OBJECT

 private slots:
  void defaultsAreTheFreshWindowsState() {
    QCOMPARE(defaults().activeCreator, CreatorKind::MessageBox);
    QCOMPARE(fieldsAwayFromTheirDefaults(defaults()), QStringList());
  }

  void eachResetRestoresOnlyItsOwnCreator() {
    ComposerSettings s = everythingChanged();
    QCOMPARE(fieldsAwayFromTheirDefaults(s), messageBoxFields() + inputBoxFields() + commonDialogFields());
    resetMessageBox(s);
    QCOMPARE(fieldsAwayFromTheirDefaults(s), inputBoxFields() + commonDialogFields());
    QCOMPARE(s.activeCreator, CreatorKind::CommonDialog);

    s = everythingChanged();
    resetInputBox(s);
    QCOMPARE(fieldsAwayFromTheirDefaults(s), messageBoxFields() + commonDialogFields());

    s = everythingChanged();
    resetCommonDialog(s);  // activeDialog back to Open as well
    QCOMPARE(fieldsAwayFromTheirDefaults(s), messageBoxFields() + inputBoxFields());
  }
};

QTEST_GUILESS_MAIN(TestComposerSettings)
#include "test_composer_settings.moc"

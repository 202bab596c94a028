// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer_settings.h"

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
};

QTEST_GUILESS_MAIN(TestComposerSettings)
#include "test_composer_settings.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/common_dialog_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DialogKind)
Q_DECLARE_METATYPE(FontDevice)
Q_DECLARE_METATYPE(CommonDialogSettings)

class TestCommonDialogCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  // Each file kind reads only its own record and writes all three property
  // lines, also when empty.
  void fileKindsUseTheirOwnComponentAndRecord_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QString>("component");
    QTest::addColumn<bool>("filled");  // title, extension and two filters instead of one filter
    QTest::newRow("Open") << DialogKind::Open << "OpenDialog" << false;
    QTest::newRow("Save") << DialogKind::Save << "SaveDialog" << false;
    QTest::newRow("OpenPicture") << DialogKind::OpenPicture << "OpenPictureDialog" << false;
    QTest::newRow("SavePicture") << DialogKind::SavePicture << "SavePictureDialog" << false;
    QTest::newRow("Open, title, extension and two filters") << DialogKind::Open << "OpenDialog" << true;
  }

  void fileKindsUseTheirOwnComponentAndRecord() {
    QFETCH(DialogKind, kind);
    QFETCH(QString, component);
    QFETCH(bool, filled);
    CommonDialogSettings s;
    s.activeDialog = kind;
    for (FileDialogSettings& other : s.files) {
      other.title = "wrong";
      other.filters[0] = {"wrong", "*.x"};
    }
    FileDialogSettings& file = fileDialogSettings(s, kind);
    file = FileDialogSettings{};
    if (filled) {
      file.title = "Open report";
      file.defaultExtension = "txt";
      file.filters[0] = {"Text files", "*.txt"};
      file.filters[1] = {"All files", "*.*"};
    } else {
      file.filters[0] = {"Mine", "*.m"};
    }
    const QString v = component + u"1"_s;
    const QStringList expected{
        u"//Begin Common Dialog Creator Code"_s,
        v + u" := T"_s + component + u".Create(Self);"_s,
        v + (filled ? u".Title := 'Open report';"_s : u".Title := '';"_s),
        v + (filled ? u".DefaultExt := 'txt';"_s : u".DefaultExt := '';"_s),
        v + (filled ? u".Filter := 'Text files|*.txt|All files|*.*';"_s : u".Filter := 'Mine|*.m';"_s),
        u"if "_s + v + u".Execute then"_s,
        u"//The filename can be found in '"_s + v + u".FileName' (String)"_s,
        u"  {Actions to perform when executed};"_s,
        u"//End Common Dialog Creator Code"_s,
    };
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  void fontDeviceChoosesTheDeviceLine_data() {
    QTest::addColumn<FontDevice>("device");
    QTest::addColumn<QString>("deviceLine");
    QTest::newRow("AllFonts") << FontDevice::AllFonts << "FontDialog1.Device := fdBoth;";
    QTest::newRow("ScreenFontsOnly") << FontDevice::ScreenFontsOnly << "FontDialog1.Device := fdScreen;";
    QTest::newRow("PrinterFontsOnly") << FontDevice::PrinterFontsOnly << "FontDialog1.Device := fdPrinter;";
  }

  void fontDeviceChoosesTheDeviceLine() {
    QFETCH(FontDevice, device);
    QFETCH(QString, deviceLine);
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Font;
    s.fontDevice = device;
    const QStringList expected{u"//Begin Common Dialog Creator Code"_s,
                               u"FontDialog1 := TFontDialog.Create(Self);"_s,
                               deviceLine,
                               u"if FontDialog1.Execute then"_s,
                               u"//The font structure can be found in 'FontDialog1.Font' (TFont)"_s,
                               u"  {Actions to perform when executed};"_s,
                               u"//End Common Dialog Creator Code"_s};
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  // The option lines, in their fixed order; the generator renders whatever the
  // settings say, also combinations the window never produces.
  void colorOptionsGiveTheirOptionLines_data() {
    QTest::addColumn<CommonDialogSettings>("settings");
    QTest::addColumn<QStringList>("options");
    const auto row = [](const char* name, bool allowCustom, bool showCustom, bool allowNonSolid, bool nearestSolid,
                        const QStringList& options) {
      CommonDialogSettings s;
      s.activeDialog = DialogKind::Color;
      s.allowCustomColors = allowCustom;
      s.showCustomColors = showCustom;
      s.allowNonSolidColors = allowNonSolid;
      s.useNearestSolidColor = nearestSolid;
      QTest::newRow(name) << s << options;
    };
    row("defaults: prevent full open", false, false, false, false, {u"cdPreventFullOpen"_s});
    row("custom colours allowed: no option", true, false, false, false, {});
    row("custom colours shown", true, true, false, false, {u"cdFullOpen"_s});
    row("all four", true, true, true, true, {u"cdFullOpen"_s, u"cdAnyColor"_s, u"cdSolidColor"_s});
    row("non-solid colours", false, false, true, false, {u"cdPreventFullOpen"_s, u"cdAnyColor"_s});
    row("non-solid, nearest solid", false, false, true, true,
        {u"cdPreventFullOpen"_s, u"cdAnyColor"_s, u"cdSolidColor"_s});
    row("shown without allowed", false, true, false, false, {u"cdPreventFullOpen"_s, u"cdFullOpen"_s});
    row("nearest solid alone", false, false, false, true, {u"cdPreventFullOpen"_s, u"cdSolidColor"_s});
  }

  void colorOptionsGiveTheirOptionLines() {
    QFETCH(CommonDialogSettings, settings);
    QFETCH(QStringList, options);
    QStringList expected{u"//Begin Common Dialog Creator Code"_s, u"ColorDialog1 := TColorDialog.Create(Self);"_s};
    for (const QString& option : options)
      expected << u"ColorDialog1.Options := ColorDialog1.Options + ["_s + option + u"];"_s;
    expected << u"if ColorDialog1.Execute then"_s << u"//The color can be found in 'ColorDialog1.Color' (TColor)"_s
             << u"  {Actions to perform when executed};"_s << u"//End Common Dialog Creator Code"_s;
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(settings)), expected);
  }

  void printToFileAddsItsOptionLine_data() {
    QTest::addColumn<bool>("allowPrintToFile");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("default") << false << QStringList();
    QTest::newRow("print to file") << true
                                   << QStringList{u"PrintDialog1.Options := PrintDialog1.Options + [poPrintToFile];"_s};
  }

  void printToFileAddsItsOptionLine() {
    QFETCH(bool, allowPrintToFile);
    QFETCH(QStringList, options);
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Print;
    s.allowPrintToFile = allowPrintToFile;
    s.allowCustomColors = false;  // colour options never leak into other kinds
    const QStringList expected =
        QStringList{u"//Begin Common Dialog Creator Code"_s, u"PrintDialog1 := TPrintDialog.Create(Self);"_s} +
        options +
        QStringList{u"if PrintDialog1.Execute then"_s, u"  {Actions to perform when executed};"_s,
                    u"//End Common Dialog Creator Code"_s};
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }
};

QTEST_GUILESS_MAIN(TestCommonDialogCodeGenerator)
#include "test_common_dialog_code_generator.moc"

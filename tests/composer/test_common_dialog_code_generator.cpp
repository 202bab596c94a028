// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/common_dialog_code_generator.h"
#include "tests/support/test_support.h"

#include <QtTest>

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
    const QString v = component + "1";
    const QStringList expected{
        "//Begin Common Dialog Creator Code",
        v + " := T" + component + ".Create(Self);",
        v + (filled ? ".Title := 'Open report';" : ".Title := '';"),
        v + (filled ? ".DefaultExt := 'txt';" : ".DefaultExt := '';"),
        v + (filled ? ".Filter := 'Text files|*.txt|All files|*.*';" : ".Filter := 'Mine|*.m';"),
        "if " + v + ".Execute then",
        "//The filename can be found in '" + v + ".FileName' (String)",
        "  {Actions to perform when executed};",
        "//End Common Dialog Creator Code",
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
    const QStringList expected{"//Begin Common Dialog Creator Code",
                               "FontDialog1 := TFontDialog.Create(Self);",
                               deviceLine,
                               "if FontDialog1.Execute then",
                               "//The font structure can be found in 'FontDialog1.Font' (TFont)",
                               "  {Actions to perform when executed};",
                               "//End Common Dialog Creator Code"};
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
    row("defaults: prevent full open", false, false, false, false, {"cdPreventFullOpen"});
    row("custom colours allowed: no option", true, false, false, false, {});
    row("custom colours shown", true, true, false, false, {"cdFullOpen"});
    row("all four", true, true, true, true, {"cdFullOpen", "cdAnyColor", "cdSolidColor"});
    row("non-solid colours", false, false, true, false, {"cdPreventFullOpen", "cdAnyColor"});
    row("non-solid, nearest solid", false, false, true, true, {"cdPreventFullOpen", "cdAnyColor", "cdSolidColor"});
    row("shown without allowed", false, true, false, false, {"cdPreventFullOpen", "cdFullOpen"});
    row("nearest solid alone", false, false, false, true, {"cdPreventFullOpen", "cdSolidColor"});
  }

  void colorOptionsGiveTheirOptionLines() {
    QFETCH(CommonDialogSettings, settings);
    QFETCH(QStringList, options);
    QStringList expected{"//Begin Common Dialog Creator Code", "ColorDialog1 := TColorDialog.Create(Self);"};
    for (const QString& option : options)
      expected << "ColorDialog1.Options := ColorDialog1.Options + [" + option + "];";
    expected << "if ColorDialog1.Execute then"
             << "//The color can be found in 'ColorDialog1.Color' (TColor)"
             << "  {Actions to perform when executed};"
             << "//End Common Dialog Creator Code";
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(settings)), expected);
  }

  void printToFileAddsItsOptionLine_data() {
    QTest::addColumn<bool>("allowPrintToFile");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("default") << false << QStringList();
    QTest::newRow("print to file") << true
                                   << QStringList{"PrintDialog1.Options := PrintDialog1.Options + [poPrintToFile];"};
  }

  void printToFileAddsItsOptionLine() {
    QFETCH(bool, allowPrintToFile);
    QFETCH(QStringList, options);
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Print;
    s.allowPrintToFile = allowPrintToFile;
    s.allowCustomColors = false;  // colour options never leak into other kinds
    const QStringList expected =
        QStringList{"//Begin Common Dialog Creator Code", "PrintDialog1 := TPrintDialog.Create(Self);"} + options +
        QStringList{"if PrintDialog1.Execute then", "  {Actions to perform when executed};",
                    "//End Common Dialog Creator Code"};
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }
};

QTEST_GUILESS_MAIN(TestCommonDialogCodeGenerator)
#include "test_common_dialog_code_generator.moc"

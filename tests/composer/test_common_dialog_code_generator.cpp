// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common_dialog_code_generator.h"
#include "test_support.h"

#include <QtTest>

Q_DECLARE_METATYPE(DialogKind)
Q_DECLARE_METATYPE(FontDevice)

class TestCommonDialogCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void openDialogWithTitleExtensionAndTwoFilters() {
    CommonDialogSettings s;
    s.open.title = "Open report";
    s.open.defaultExtension = "txt";
    s.open.filters[0] = {"Text files", "*.txt"};
    s.open.filters[1] = {"All files", "*.*"};
    const QStringList expected{
        "//Begin Common Dialog Creator Code",
        "OpenDialog1 := TOpenDialog.Create(Self);",
        "OpenDialog1.Title := 'Open report';",
        "OpenDialog1.DefaultExt := 'txt';",
        "OpenDialog1.Filter := 'Text files|*.txt|All files|*.*';",
        "if OpenDialog1.Execute then",
        "//The filename can be found in 'OpenDialog1.FileName' (String)",
        "  {Actions to perform when executed};",
        "//End Common Dialog Creator Code",
    };
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  // Each file kind reads only its own record and writes all three property
  // lines, also when empty.
  void fileKindsUseTheirOwnComponentAndRecord_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QString>("component");
    QTest::newRow("Open") << DialogKind::Open << "OpenDialog";
    QTest::newRow("Save") << DialogKind::Save << "SaveDialog";
    QTest::newRow("OpenPicture") << DialogKind::OpenPicture << "OpenPictureDialog";
    QTest::newRow("SavePicture") << DialogKind::SavePicture << "SavePictureDialog";
  }

  void fileKindsUseTheirOwnComponentAndRecord() {
    QFETCH(DialogKind, kind);
    QFETCH(QString, component);
    CommonDialogSettings s;
    s.activeDialog = kind;
    for (DialogKind other : {DialogKind::Open, DialogKind::Save, DialogKind::OpenPicture, DialogKind::SavePicture}) {
      if (other == kind) continue;
      fileDialogSettings(s, other)->title = "wrong";
      fileDialogSettings(s, other)->filters[0] = {"wrong", "*.x"};
    }
    fileDialogSettings(s, kind)->filters[0] = {"Mine", "*.m"};
    const QString v = component + "1";
    const QStringList expected{
        "//Begin Common Dialog Creator Code",
        v + " := T" + component + ".Create(Self);",
        v + ".Title := '';",
        v + ".DefaultExt := '';",
        v + ".Filter := 'Mine|*.m';",
        "if " + v + ".Execute then",
        "//The filename can be found in '" + v + ".FileName' (String)",
        "  {Actions to perform when executed};",
        "//End Common Dialog Creator Code",
    };
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  void defaultSettingsGiveNineLines() {
    const QStringList block = toList(CommonDialogCodeGenerator{}.generate(CommonDialogSettings{}));
    QCOMPARE(block.size(), 9);
    QCOMPARE(block[2], "OpenDialog1.Title := '';");
    QCOMPARE(block[4], "OpenDialog1.Filter := '';");
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
    QTest::addColumn<bool>("allowCustom");
    QTest::addColumn<bool>("showCustom");
    QTest::addColumn<bool>("allowNonSolid");
    QTest::addColumn<bool>("nearestSolid");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("defaults: prevent full open")
        << false << false << false << false << QStringList{"cdPreventFullOpen"};
    QTest::newRow("custom colours allowed: no option") << true << false << false << false << QStringList();
    QTest::newRow("custom colours shown") << true << true << false << false << QStringList{"cdFullOpen"};
    QTest::newRow("all four") << true << true << true << true
                              << QStringList{"cdFullOpen", "cdAnyColor", "cdSolidColor"};
    QTest::newRow("non-solid colours") << false << false << true << false
                                       << QStringList{"cdPreventFullOpen", "cdAnyColor"};
    QTest::newRow("non-solid, nearest solid")
        << false << false << true << true << QStringList{"cdPreventFullOpen", "cdAnyColor", "cdSolidColor"};
    QTest::newRow("shown without allowed")
        << false << true << false << false << QStringList{"cdPreventFullOpen", "cdFullOpen"};
    QTest::newRow("nearest solid alone") << false << false << false << true
                                         << QStringList{"cdPreventFullOpen", "cdSolidColor"};
  }

  void colorOptionsGiveTheirOptionLines() {
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Color;
    QFETCH(bool, allowCustom);
    QFETCH(bool, showCustom);
    QFETCH(bool, allowNonSolid);
    QFETCH(bool, nearestSolid);
    QFETCH(QStringList, options);
    s.allowCustomColors = allowCustom;
    s.showCustomColors = showCustom;
    s.allowNonSolidColors = allowNonSolid;
    s.useNearestSolidColor = nearestSolid;
    QStringList expected{"//Begin Common Dialog Creator Code", "ColorDialog1 := TColorDialog.Create(Self);"};
    for (const QString& option : options)
      expected << "ColorDialog1.Options := ColorDialog1.Options + [" + option + "];";
    expected << "if ColorDialog1.Execute then"
             << "//The color can be found in 'ColorDialog1.Color' (TColor)"
             << "  {Actions to perform when executed};"
             << "//End Common Dialog Creator Code";
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  void printToFileAddsItsOptionLine_data() {
    QTest::addColumn<bool>("allowPrintToFile");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("default") << false
                             << QStringList{"//Begin Common Dialog Creator Code",
                                            "PrintDialog1 := TPrintDialog.Create(Self);",
                                            "if PrintDialog1.Execute then", "  {Actions to perform when executed};",
                                            "//End Common Dialog Creator Code"};
    QTest::newRow("print to file") << true
                                   << QStringList{"//Begin Common Dialog Creator Code",
                                                  "PrintDialog1 := TPrintDialog.Create(Self);",
                                                  "PrintDialog1.Options := PrintDialog1.Options + [poPrintToFile];",
                                                  "if PrintDialog1.Execute then",
                                                  "  {Actions to perform when executed};",
                                                  "//End Common Dialog Creator Code"};
  }

  void printToFileAddsItsOptionLine() {
    QFETCH(bool, allowPrintToFile);
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Print;
    s.allowPrintToFile = allowPrintToFile;
    s.allowCustomColors = false;  // colour options never leak into other kinds
    QTEST(toList(CommonDialogCodeGenerator{}.generate(s)), "expected");
  }
};

QTEST_GUILESS_MAIN(TestCommonDialogCodeGenerator)
#include "test_common_dialog_code_generator.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "build_filter_string.h"
#include "common_dialog_code_generator.h"
#include "input_box_code_generator.h"

#include <QtTest>

Q_DECLARE_METATYPE(DialogKind)
Q_DECLARE_METATYPE(FontDevice)

namespace {

// The block's lines, split at the CR LF that ends each.
QStringList toList(const CodeBlock& block) {
  QStringList list = QString::fromStdString(block.text()).split("\r\n");
  list.removeLast();
  return list;
}

// Filter rows from alternating names and patterns, starting at the first data row.
FilterRows rows(const QStringList& cells, int firstRow = 0) {
  FilterRows result;
  for (int i = 0; i + 1 < cells.size(); i += 2)
    result.at(static_cast<std::size_t>(firstRow + i / 2)) = {cells[i].toStdString(), cells[i + 1].toStdString()};
  return result;
}

}  // namespace

class TestCommonDialogCodeGenerator : public QObject {
  Q_OBJECT

 private slots:
  void filterString_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QString>("filter");
    QTest::newRow("no rows") << QStringList() << 0 << "";
    QTest::newRow("two rows") << QStringList{"Text files", "*.txt", "All files", "*.*"} << 0
                              << "Text files|*.txt|All files|*.*";
    QTest::newRow("empty pattern keeps one bar") << QStringList{"Pictures", ""} << 0 << "Pictures|";
    QTest::newRow("empty pattern in the middle") << QStringList{"A", "", "B", "*.b"} << 0 << "A||B|*.b";
    QTest::newRow("first name empty, later rows ignored") << QStringList{"Text files", "*.txt"} << 1 << "";
    QTest::newRow("stops at first empty name") << QStringList{"A", "*.a", "", "*.x", "C", "*.c"} << 0 << "A|*.a";
    QTest::newRow("bars and quotes verbatim") << QStringList{"A|B", "*.a;'*.b'"} << 0 << "A|B|*.a;'*.b'";
    QStringList full;
    QString expected;
    for (int i = 1; i <= 19; ++i) {
      full << QString("N%1").arg(i) << QString("*.%1").arg(i);
      expected += QString("N%1|*.%1|").arg(i);
    }
    expected.chop(1);
    QTest::newRow("all 19 rows") << full << 0 << expected;
  }

  void filterString() {
    QFETCH(QStringList, cells);
    QFETCH(int, firstRow);
    QTEST(QString::fromStdString(BuildFilterString(rows(cells, firstRow))), "filter");
  }

  void inputBox_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("line");
    QTest::newRow("defaults") << QStringList{"Result", "", "", ""} << "Result := InputBox('', '', '');";
    QTest::newRow("example") << QStringList{"Result", "Login", "Your name:", "Guest"}
                             << "Result := InputBox('Login', 'Your name:', 'Guest');";
    QTest::newRow("verbatim entries") << QStringList{"", "it's", " a ", "ä|b"} << " := InputBox('it's', ' a ', 'ä|b');";
  }

  void inputBox() {
    QFETCH(QStringList, entries);
    const InputBoxSettings s{entries[1].toStdString(), entries[2].toStdString(), entries[3].toStdString(),
                             entries[0].toStdString()};
    const QStringList block = toList(InputBoxCodeGenerator{}.generate(s));
    QCOMPARE(block.size(), 3);
    QCOMPARE(block[0], "//Begin InputBox Creator Code");
    QTEST(block[1], "line");
    QCOMPARE(block[2], "//End InputBox Creator Code");
  }

  void openWorkedExample() {
    CommonDialogSettings s;
    s.open.title = "Open report";
    s.open.defaultExtension = "txt";
    s.open.filters = rows({"Text files", "*.txt", "All files", "*.*"});
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

  void fontDevice_data() {
    QTest::addColumn<FontDevice>("device");
    QTest::addColumn<QString>("deviceLine");
    QTest::newRow("AllFonts") << FontDevice::AllFonts << "FontDialog1.Device := fdBoth;";
    QTest::newRow("ScreenFontsOnly") << FontDevice::ScreenFontsOnly << "FontDialog1.Device := fdScreen;";
    QTest::newRow("PrinterFontsOnly") << FontDevice::PrinterFontsOnly << "FontDialog1.Device := fdPrinter;";
  }

  void fontDevice() {
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

  // All sixteen combinations of the four colour options; the generator renders
  // whatever the settings say, also combinations the window never produces.
  void colorOptions_data() {
    QTest::addColumn<int>("mask");
    for (int mask = 0; mask < 16; ++mask)
      QTest::newRow(qPrintable(QString("options %1").arg(mask, 4, 2, QChar('0')))) << mask;
  }

  void colorOptions() {
    QFETCH(int, mask);
    CommonDialogSettings s;
    s.activeDialog = DialogKind::Color;
    s.allowCustomColors = mask & 1;
    s.showCustomColors = mask & 2;
    s.allowNonSolidColors = mask & 4;
    s.useNearestSolidColor = mask & 8;
    QStringList expected{"//Begin Common Dialog Creator Code", "ColorDialog1 := TColorDialog.Create(Self);"};
    if (!(mask & 1)) expected << "ColorDialog1.Options := ColorDialog1.Options + [cdPreventFullOpen];";
    if (mask & 2) expected << "ColorDialog1.Options := ColorDialog1.Options + [cdFullOpen];";
    if (mask & 4) expected << "ColorDialog1.Options := ColorDialog1.Options + [cdAnyColor];";
    if (mask & 8) expected << "ColorDialog1.Options := ColorDialog1.Options + [cdSolidColor];";
    expected << "if ColorDialog1.Execute then"
             << "//The color can be found in 'ColorDialog1.Color' (TColor)"
             << "  {Actions to perform when executed};"
             << "//End Common Dialog Creator Code";
    QCOMPARE(toList(CommonDialogCodeGenerator{}.generate(s)), expected);
  }

  void print_data() {
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

  void print() {
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

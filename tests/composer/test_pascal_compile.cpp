// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "copy_to_clipboard.h"
#include "test_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ComposerSettings)

namespace {

// A program whose form method holds the pasted block; the dialog components are
// fields of the form, the result variable a local of the given type.
QByteArray pastedProgram(const CodeBlock& block, const std::string& variable, const char* variableType) {
  QByteArray source =
      "program Pasted;\n"
      "{$mode delphi}\n"
      "uses FormLibrary;\n"
      "type\n"
      "  TPastedForm = class(TForm)\n"
      "    OpenDialog1: TOpenDialog;\n"
      "    SaveDialog1: TSaveDialog;\n"
      "    OpenPictureDialog1: TOpenPictureDialog;\n"
      "    SavePictureDialog1: TSavePictureDialog;\n"
      "    FontDialog1: TFontDialog;\n"
      "    ColorDialog1: TColorDialog;\n"
      "    PrintDialog1: TPrintDialog;\n"
      "    procedure Pasted;\n"
      "  end;\n"
      "procedure TPastedForm.Pasted;\n";
  if (variableType) source += "var\n  " + QByteArray::fromStdString(variable) + ": " + variableType + ";\n";
  source += "begin\n";
  source += QByteArray::fromStdString(block.text());
  source += "end;\nbegin\nend.\n";
  return source;
}

ComposerSettings filledFileDialog(DialogKind kind) {
  ComposerSettings s = commonDialogSettings(kind);
  FileDialogSettings& file = *fileDialogSettings(s.commonDialog, kind);
  file.title = "Open report – Grüße";
  file.defaultExtension = "txt";
  file.filters[0] = {"Text files", "*.txt"};
  file.filters[1] = {"Pictures", "*.bmp;*.ico"};
  file.filters[2] = {"Anything", ""};
  return s;
}

ComposerSettings filledMessageBox(ButtonChoice buttons) {
  ComposerSettings s = defaults();
  s.messageBox.caption = "Confirm";
  s.messageBox.lines = {"Save changes?", "", "Quit | now? – Grüße"};
  s.messageBox.icon = IconChoice::Warning;
  s.messageBox.buttons = buttons;
  s.messageBox.systemModal = true;
  s.messageBox.variable = "Answer";
  return s;
}

}  // namespace

class TestPascalCompile : public QObject {
  Q_OBJECT

 private slots:
  void generatedBlockCompiles_data() {
    QTest::addColumn<ComposerSettings>("settings");
    QTest::newRow("message box defaults") << defaults();
    for (ButtonChoice buttons :
         {ButtonChoice::OK_OK, ButtonChoice::Cancel_OKCancel, ButtonChoice::No_YesNo, ButtonChoice::Cancel_YesNoCancel,
          ButtonChoice::Retry_AbortRetryIgnore, ButtonChoice::Cancel_RetryCancel})
      QTest::newRow(qPrintable(QString("message box filled, buttons %1").arg(int(buttons))))
          << filledMessageBox(buttons);

    ComposerSettings input = defaults();
    input.activeCreator = CreatorKind::InputBox;
    QTest::newRow("input box defaults") << input;
    input.inputBox = {"Login", "Your name:", "Guest – Grüße", "UserName"};
    QTest::newRow("input box filled") << input;

    for (DialogKind kind : {DialogKind::Open, DialogKind::Save, DialogKind::OpenPicture, DialogKind::SavePicture}) {
      QTest::newRow(qPrintable(QString("file kind %1 defaults").arg(int(kind)))) << commonDialogSettings(kind);
      QTest::newRow(qPrintable(QString("file kind %1 filled").arg(int(kind)))) << filledFileDialog(kind);
    }
    for (FontDevice device : {FontDevice::AllFonts, FontDevice::ScreenFontsOnly, FontDevice::PrinterFontsOnly}) {
      ComposerSettings font = commonDialogSettings(DialogKind::Font);
      font.commonDialog.fontDevice = device;
      QTest::newRow(qPrintable(QString("font device %1").arg(int(device)))) << font;
    }
    QTest::newRow("colour defaults") << commonDialogSettings(DialogKind::Color);
    ComposerSettings color = commonDialogSettings(DialogKind::Color);
    color.commonDialog.allowCustomColors = color.commonDialog.showCustomColors = true;
    color.commonDialog.allowNonSolidColors = color.commonDialog.useNearestSolidColor = true;
    QTest::newRow("colour all options") << color;
    QTest::newRow("print defaults") << commonDialogSettings(DialogKind::Print);
    ComposerSettings print = commonDialogSettings(DialogKind::Print);
    print.commonDialog.allowPrintToFile = true;
    QTest::newRow("print to file") << print;
  }

  void generatedBlockCompiles() {
    QFETCH(ComposerSettings, settings);
    const char* variableType = nullptr;
    std::string variable;
    if (settings.activeCreator == CreatorKind::MessageBox) {
      variableType = "Integer";
      variable = settings.messageBox.variable;
    } else if (settings.activeCreator == CreatorKind::InputBox) {
      variableType = "string";
      variable = settings.inputBox.variable;
    }

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("pasted.pas"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pastedProgram(generateActiveBlock(settings), variable, variableType));
    file.close();

    QProcess fpc;
    fpc.setProcessChannelMode(QProcess::MergedChannels);
    fpc.start(FPC_EXECUTABLE, {"-Mdelphi", "-vew", "-Fu" PASCAL_FIXTURES, "-FU" + dir.path(),
                               "-o" + dir.filePath("pasted"), file.fileName()});
    QVERIFY2(fpc.waitForFinished(60000), "the Free Pascal compiler did not finish");
    const QByteArray output = fpc.readAll();
    QVERIFY2(fpc.exitStatus() == QProcess::NormalExit && fpc.exitCode() == 0, output.constData());
  }
};

QTEST_GUILESS_MAIN(TestPascalCompile)
#include "test_pascal_compile.moc"

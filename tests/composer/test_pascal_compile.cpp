// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/copy_to_clipboard.h"
#include "tests/support/test_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ComposerSettings)

namespace {

// A program whose form method holds the pasted block; the dialog components are
// fields of the form, the result variable, if any, a local.
QByteArray pastedProgram(const CodeBlock& block, const QByteArray& variable) {
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
  if (!variable.isEmpty()) source += "var\n  " + variable + ";\n";
  source += "begin\n";
  source += QByteArray::fromStdString(block.text());
  source += "end;\nbegin\nend.\n";
  return source;
}

ComposerSettings filledFileDialog(DialogKind kind) {
  ComposerSettings s = commonDialogSettings(kind);
  FileDialogSettings& file = fileDialogSettings(s.commonDialog, kind);
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
    QTest::addColumn<QByteArray>("variable");  // the local it declares, if any
    const auto row = [](const QString& name, const ComposerSettings& settings, const QByteArray& variable = {}) {
      QTest::newRow(qPrintable(name)) << settings << variable;
    };
    row(u"message box defaults"_s, defaults(), "Result: Integer");
    for (ButtonChoice buttons :
         {ButtonChoice::OK_OK, ButtonChoice::Cancel_OKCancel, ButtonChoice::No_YesNo, ButtonChoice::Cancel_YesNoCancel,
          ButtonChoice::Retry_AbortRetryIgnore, ButtonChoice::Cancel_RetryCancel})
      row(u"message box filled, buttons %1"_s.arg(int(buttons)), filledMessageBox(buttons), "Answer: Integer");

    ComposerSettings input = defaults();
    input.activeCreator = CreatorKind::InputBox;
    row(u"input box defaults"_s, input, "Result: string");
    input.inputBox = {"Login", "Your name:", "Guest – Grüße", "UserName"};
    row(u"input box filled"_s, input, "UserName: string");

    for (DialogKind kind : fileDialogKinds) {
      row(u"file kind %1 defaults"_s.arg(int(kind)), commonDialogSettings(kind));
      row(u"file kind %1 filled"_s.arg(int(kind)), filledFileDialog(kind));
    }
    for (FontDevice device : {FontDevice::AllFonts, FontDevice::ScreenFontsOnly, FontDevice::PrinterFontsOnly}) {
      ComposerSettings font = commonDialogSettings(DialogKind::Font);
      font.commonDialog.fontDevice = device;
      row(u"font device %1"_s.arg(int(device)), font);
    }
    row(u"colour defaults"_s, commonDialogSettings(DialogKind::Color));
    ComposerSettings color = commonDialogSettings(DialogKind::Color);
    color.commonDialog.allowCustomColors = color.commonDialog.showCustomColors = true;
    color.commonDialog.allowNonSolidColors = color.commonDialog.useNearestSolidColor = true;
    row(u"colour all options"_s, color);
    row(u"print defaults"_s, commonDialogSettings(DialogKind::Print));
    ComposerSettings print = commonDialogSettings(DialogKind::Print);
    print.commonDialog.allowPrintToFile = true;
    row(u"print to file"_s, print);
  }

  void generatedBlockCompiles() {
    QFETCH(ComposerSettings, settings);
    QFETCH(QByteArray, variable);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(u"pasted.pas"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pastedProgram(generateActiveBlock(settings), variable));
    file.close();

    QProcess fpc;
    fpc.setProcessChannelMode(QProcess::MergedChannels);
    fpc.start(QStringLiteral(FPC_EXECUTABLE),
              {u"-Mdelphi"_s, u"-vew"_s, QStringLiteral("-Fu" PASCAL_FIXTURES), u"-FU"_s + dir.path(),
               u"-o"_s + dir.filePath(u"pasted"_s), file.fileName()});
    QVERIFY2(fpc.waitForFinished(60000), "the Free Pascal compiler did not finish");
    QVERIFY2(fpc.exitStatus() == QProcess::NormalExit && fpc.exitCode() == 0, fpc.readAll().constData());
  }
};

QTEST_GUILESS_MAIN(TestPascalCompile)
#include "test_pascal_compile.moc"

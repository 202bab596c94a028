// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/common_dialog_code_generator.h"

#include "composer/build_filter_string.h"

#include <string_view>

namespace {

constexpr std::string_view actionLine = "  {Actions to perform when executed};";

// The component variable and class of a file dialog kind.
struct FileComponent {
  std::string_view variable;
  std::string_view className;
};

FileComponent fileComponent(DialogKind kind) {
  switch (kind) {
    case DialogKind::Save:
      return {"SaveDialog1", "TSaveDialog"};
    case DialogKind::OpenPicture:
      return {"OpenPictureDialog1", "TOpenPictureDialog"};
    case DialogKind::SavePicture:
      return {"SavePictureDialog1", "TSavePictureDialog"};
    default:
      return {"OpenDialog1", "TOpenDialog"};
  }
}

void appendFileDialog(CodeBlock& block, DialogKind kind, const FileDialogSettings& file) {
  const std::string variable(fileComponent(kind).variable);
  const std::string className(fileComponent(kind).className);
  block.addLine(variable + " := " + className + ".Create(Self);");
  block.addLine(variable + ".Title := '" + file.title + "';");
  block.addLine(variable + ".DefaultExt := '" + file.defaultExtension + "';");
  block.addLine(variable + ".Filter := '" + BuildFilterString(file.filters) + "';");
  block.addLine("if " + variable + ".Execute then");
  block.addLine("//The filename can be found in '" + variable + ".FileName' (String)");
  block.addLine(actionLine);
}

std::string_view fontDeviceLine(FontDevice device) {
  switch (device) {
    case FontDevice::AllFonts:
      return "FontDialog1.Device := fdBoth;";
    case FontDevice::ScreenFontsOnly:
      return "FontDialog1.Device := fdScreen;";
    case FontDevice::PrinterFontsOnly:
      return "FontDialog1.Device := fdPrinter;";
  }
  return {};
}

void appendFontDialog(CodeBlock& block, const CommonDialogSettings& settings) {
  block.addLine("FontDialog1 := TFontDialog.Create(Self);");
  block.addLine(fontDeviceLine(settings.fontDevice));
  block.addLine("if FontDialog1.Execute then");
  block.addLine("//The font structure can be found in 'FontDialog1.Font' (TFont)");
  block.addLine(actionLine);
}

void appendColorDialog(CodeBlock& block, const CommonDialogSettings& settings) {
  block.addLine("ColorDialog1 := TColorDialog.Create(Self);");
  // The first option has the inverted sense: an unchecked "allow custom
  // colours" box forbids the full-open part.
  if (!settings.allowCustomColors) block.addLine("ColorDialog1.Options := ColorDialog1.Options + [cdPreventFullOpen];");
  if (settings.showCustomColors) block.addLine("ColorDialog1.Options := ColorDialog1.Options + [cdFullOpen];");
  if (settings.allowNonSolidColors) block.addLine("ColorDialog1.Options := ColorDialog1.Options + [cdAnyColor];");
  if (settings.useNearestSolidColor) block.addLine("ColorDialog1.Options := ColorDialog1.Options + [cdSolidColor];");
  block.addLine("if ColorDialog1.Execute then");
  block.addLine("//The color can be found in 'ColorDialog1.Color' (TColor)");
  block.addLine(actionLine);
}

void appendPrintDialog(CodeBlock& block, const CommonDialogSettings& settings) {
  block.addLine("PrintDialog1 := TPrintDialog.Create(Self);");
  if (settings.allowPrintToFile) block.addLine("PrintDialog1.Options := PrintDialog1.Options + [poPrintToFile];");
  block.addLine("if PrintDialog1.Execute then");
  block.addLine(actionLine);
}

}  // namespace

CodeBlock CommonDialogCodeGenerator::generate(const CommonDialogSettings& settings) const {
  CodeBlock block;
  block.addLine("//Begin Common Dialog Creator Code");
  switch (settings.activeDialog) {
    case DialogKind::Open:
    case DialogKind::Save:
    case DialogKind::OpenPicture:
    case DialogKind::SavePicture:
      appendFileDialog(block, settings.activeDialog, fileDialogSettings(settings, settings.activeDialog));
      break;
    case DialogKind::Font:
      appendFontDialog(block, settings);
      break;
    case DialogKind::Color:
      appendColorDialog(block, settings);
      break;
    case DialogKind::Print:
      appendPrintDialog(block, settings);
      break;
  }
  block.addLine("//End Common Dialog Creator Code");
  return block;
}

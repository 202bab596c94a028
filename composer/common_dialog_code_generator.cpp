#include "common_dialog_code_generator.h"

#include "build_filter_string.h"

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
  block.push_back(variable + " := " + className + ".Create(Self);");
  block.push_back(variable + ".Title := '" + file.title + "';");
  block.push_back(variable + ".DefaultExt := '" + file.defaultExtension + "';");
  block.push_back(variable + ".Filter := '" + BuildFilterString(file.filters) + "';");
  block.push_back("if " + variable + ".Execute then");
  block.push_back("//The filename can be found in '" + variable + ".FileName' (String)");
  block.emplace_back(actionLine);
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
  block.emplace_back("FontDialog1 := TFontDialog.Create(Self);");
  block.emplace_back(fontDeviceLine(settings.fontDevice));
  block.emplace_back("if FontDialog1.Execute then");
  block.emplace_back("//The font structure can be found in 'FontDialog1.Font' (TFont)");
  block.emplace_back(actionLine);
}

void appendColorDialog(CodeBlock& block, const CommonDialogSettings& settings) {
  block.emplace_back("ColorDialog1 := TColorDialog.Create(Self);");
  // The first option has the inverted sense: an unchecked "allow custom
  // colours" box forbids the full-open part.
  if (!settings.allowCustomColors)
    block.emplace_back("ColorDialog1.Options := ColorDialog1.Options + [cdPreventFullOpen];");
  if (settings.showCustomColors) block.emplace_back("ColorDialog1.Options := ColorDialog1.Options + [cdFullOpen];");
  if (settings.allowNonSolidColors) block.emplace_back("ColorDialog1.Options := ColorDialog1.Options + [cdAnyColor];");
  if (settings.useNearestSolidColor)
    block.emplace_back("ColorDialog1.Options := ColorDialog1.Options + [cdSolidColor];");
  block.emplace_back("if ColorDialog1.Execute then");
  block.emplace_back("//The color can be found in 'ColorDialog1.Color' (TColor)");
  block.emplace_back(actionLine);
}

void appendPrintDialog(CodeBlock& block, const CommonDialogSettings& settings) {
  block.emplace_back("PrintDialog1 := TPrintDialog.Create(Self);");
  if (settings.allowPrintToFile) block.emplace_back("PrintDialog1.Options := PrintDialog1.Options + [poPrintToFile];");
  block.emplace_back("if PrintDialog1.Execute then");
  block.emplace_back(actionLine);
}

}  // namespace

CodeBlock CommonDialogCodeGenerator::generate(const CommonDialogSettings& settings) const {
  CodeBlock block;
  block.emplace_back("//Begin Common Dialog Creator Code");
  switch (settings.activeDialog) {
    case DialogKind::Open:
    case DialogKind::Save:
    case DialogKind::OpenPicture:
    case DialogKind::SavePicture:
      appendFileDialog(block, settings.activeDialog, *fileDialogSettings(settings, settings.activeDialog));
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
  block.emplace_back("//End Common Dialog Creator Code");
  return block;
}

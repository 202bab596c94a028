#include "copy_to_clipboard.h"

#include "common_dialog_code_generator.h"
#include "input_box_code_generator.h"
#include "message_box_code_generator.h"

CodeBlock generateActiveBlock(const ComposerSettings& settings) {
  switch (settings.activeCreator) {
    case CreatorKind::MessageBox:
      return MessageBoxCodeGenerator{}.generate(settings.messageBox);
    case CreatorKind::InputBox:
      return InputBoxCodeGenerator{}.generate(settings.inputBox);
    case CreatorKind::CommonDialog:
      return CommonDialogCodeGenerator{}.generate(settings.commonDialog);
  }
  return {};
}

std::string joinCodeBlock(const CodeBlock& block) {
  std::size_t size = 0;
  for (const auto& line : block) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : block) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void copyToClipboard(const ComposerSettings& settings, Clipboard& clipboard) {
  clipboard.setText(joinCodeBlock(generateActiveBlock(settings)));
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/copy_to_clipboard.h"

#include "composer/common_dialog_code_generator.h"
#include "composer/input_box_code_generator.h"
#include "composer/message_box_code_generator.h"

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

void copyToClipboard(const ComposerSettings& settings, Clipboard& clipboard) {
  clipboard.setText(generateActiveBlock(settings).text());
}

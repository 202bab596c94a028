// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/message_box_code_generator.h"

#include "composer/button_choice.h"
#include "composer/message_box_style.h"

#include <string_view>

namespace {

constexpr std::string_view lineSeparator = " + #10#13 + ";

std::string_view commentLine(ResultId id) {
  switch (id) {
    case ResultId::IDOK:
      return "  {User has selected OK};";
    case ResultId::IDCANCEL:
      return "  {User has selected Cancel};";
    case ResultId::IDYES:
      return "  {User has selected Yes};";
    case ResultId::IDNO:
      return "  {User has selected No};";
    case ResultId::IDABORT:
      return "  {User has selected Abort};";
    case ResultId::IDRETRY:
      return "  {User has selected Retry};";
    case ResultId::IDIGNORE:
      return "  {User has selected Ignore};";
  }
  return {};
}

// Appends the message text expression to `out`, so that a long message is
// written once into the call line instead of being copied through temporaries.
void appendMessageTextExpression(std::string& out, const std::vector<std::string>& lines) {
  if (lines.empty()) {
    out += "''";
    return;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += lineSeparator;
    out += '\'';
    out += lines[i];
    out += '\'';
  }
}

std::size_t messageTextExpressionSize(const std::vector<std::string>& lines) {
  std::size_t size = 2;
  for (const auto& line : lines) size += line.size() + 2 + lineSeparator.size();
  return size;
}

}  // namespace

std::string BuildMessageTextExpression(const std::vector<std::string>& lines) {
  std::string expression;
  expression.reserve(messageTextExpressionSize(lines));
  appendMessageTextExpression(expression, lines);
  return expression;
}

CodeBlock MessageBoxCodeGenerator::generate(const MessageBoxSettings& settings) const {
  CodeBlock block;
  block.addLine("//Begin MessageBox Creator Code");
  block.addLineWith([&settings](std::string& text) {
    // Room for the call line and the branch lines after it, so that a long
    // message is written into the block's storage once.
    text.reserve(text.size() + 5 * settings.variable.size() + settings.caption.size() +
                 messageTextExpressionSize(settings.lines) + 320);
    text += settings.variable;
    text += " := MessageBox(Handle, ";
    appendMessageTextExpression(text, settings.lines);
    text += ", '";
    text += settings.caption;
    text += "', ";
    text += std::to_string(MessageBoxStyle(settings));
    text += ");";
  });
  for (ResultId id : resultBranches(settings.buttons)) {
    block.addLine("if " + settings.variable + " = " + std::string(resultIdName(id)) + " then");
    block.addLine(commentLine(id));
  }
  block.addLine("//End MessageBox Creator Code");
  return block;
}

#include "message_box_code_generator.h"

#include "button_choice.h"
#include "message_box_style.h"

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
  block.emplace_back("//Begin MessageBox Creator Code");
  std::string call;
  call.reserve(settings.variable.size() + settings.caption.size() + messageTextExpressionSize(settings.lines) + 48);
  call += settings.variable;
  call += " := MessageBox(Handle, ";
  appendMessageTextExpression(call, settings.lines);
  call += ", '";
  call += settings.caption;
  call += "', ";
  call += std::to_string(MessageBoxStyle(settings));
  call += ");";
  block.push_back(std::move(call));
  for (ResultId id : resultBranches(settings.buttons)) {
    block.push_back("if " + settings.variable + " = " + std::string(resultIdName(id)) + " then");
    block.emplace_back(commentLine(id));
  }
  block.emplace_back("//End MessageBox Creator Code");
  return block;
}

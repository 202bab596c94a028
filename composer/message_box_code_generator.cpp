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

}  // namespace

std::string BuildMessageTextExpression(const std::vector<std::string>& lines) {
  if (lines.empty()) return "''";
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2 + lineSeparator.size();
  std::string expression;
  expression.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) expression += lineSeparator;
    expression += '\'';
    expression += lines[i];
    expression += '\'';
  }
  return expression;
}

CodeBlock MessageBoxCodeGenerator::generate(const MessageBoxSettings& settings) const {
  CodeBlock block;
  block.emplace_back("//Begin MessageBox Creator Code");
  block.push_back(settings.variable + " := MessageBox(Handle, " + BuildMessageTextExpression(settings.lines) + ", '" +
                  settings.caption + "', " + std::to_string(MessageBoxStyle(settings)) + ");");
  for (ResultId id : resultBranches(settings.buttons)) {
    block.push_back("if " + settings.variable + " = " + std::string(resultIdName(id)) + " then");
    block.emplace_back(commentLine(id));
  }
  block.emplace_back("//End MessageBox Creator Code");
  return block;
}

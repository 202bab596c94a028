// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// The source lines a generator produces, in order. The lines are kept one after
// another, each followed by CR LF, so the Copy action's text is the block's own
// storage: a long message is written once, never copied again to be joined.
class CodeBlock {
 public:
  CodeBlock();
  CodeBlock(std::initializer_list<std::string_view> lines);

  void addLine(std::string_view line);

  // Adds a line written piece by piece: `write` appends the line's text to the
  // string it is given.
  template <class Write>
  void addLineWith(Write&& write) {
    write(text_);
    endLine();
  }

  // The lines in order, each followed by CR LF, the last line included.
  const std::string& text() const& { return text_; }
  std::string text() && { return std::move(text_); }

 private:
  void endLine();

  std::string text_;
};

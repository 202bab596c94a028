// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/code_block.h"

// Room for a block of ordinary size, so that adding its lines does not grow the storage.
CodeBlock::CodeBlock() { text_.reserve(512); }

CodeBlock::CodeBlock(std::initializer_list<std::string_view> lines) : CodeBlock() {
  for (std::string_view line : lines) addLine(line);
}

void CodeBlock::addLine(std::string_view line) {
  text_ += line;
  endLine();
}

void CodeBlock::endLine() { text_ += "\r\n"; }

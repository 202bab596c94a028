// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/code_block.h"
#include "composer/composer_settings.h"

#include <string>
#include <vector>

// The Object Pascal expression passed as the message text: each line quoted
// verbatim, joined by " + #10#13 + "; "''" for no lines.
std::string BuildMessageTextExpression(const std::vector<std::string>& lines);

// Writes the MessageBox call and one empty branch per button the set can return,
// framed by the marker comments. Entries are inserted verbatim.
class MessageBoxCodeGenerator {
 public:
  CodeBlock generate(const MessageBoxSettings& settings) const;
};

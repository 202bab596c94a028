// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/code_block.h"
#include "composer/composer_settings.h"

// Writes the InputBox call assigning the answer to the variable, framed by the
// marker comments. Entries are inserted verbatim.
class InputBoxCodeGenerator {
 public:
  CodeBlock generate(const InputBoxSettings& settings) const;
};

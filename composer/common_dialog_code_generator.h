// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/code_block.h"
#include "composer/composer_settings.h"

// Writes, for the active dialog kind, the lines that create the dialog
// component, set its properties, execute it and leave an empty branch for the
// user's actions, framed by the marker comments. Entries are inserted verbatim.
class CommonDialogCodeGenerator {
 public:
  CodeBlock generate(const CommonDialogSettings& settings) const;
};

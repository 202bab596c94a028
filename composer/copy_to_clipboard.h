// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/clipboard.h"
#include "composer/code_block.h"
#include "composer/composer_settings.h"

#include <string>

// The block of the active creator's generator.
CodeBlock generateActiveBlock(const ComposerSettings& settings);

// Copy: generates the active creator's block and replaces the clipboard's text
// with its lines, each followed by CR LF.
void copyToClipboard(const ComposerSettings& settings, Clipboard& clipboard);

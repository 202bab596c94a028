#pragma once

#include "clipboard.h"
#include "code_block.h"
#include "composer_settings.h"

#include <string>

// The block of the active creator's generator.
CodeBlock generateActiveBlock(const ComposerSettings& settings);

// The lines in order, each followed by CR LF, the last line included.
std::string joinCodeBlock(const CodeBlock& block);

// Copy: generates the active creator's block and replaces the clipboard's text
// with the joined lines.
void copyToClipboard(const ComposerSettings& settings, Clipboard& clipboard);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <vector>

// The folders whose files the metafile libraries read while they convert:
// libwmf's Ghostscript font map and the folders of the fonts it names, and
// the configuration, font and cache folders of fontconfig (which libemf2svg
// asks for the font of a text drawn by glyph numbers). Found on this machine,
// as real paths, each once; folders that do not exist are left out.
std::vector<std::string> metafileReadableFolders();

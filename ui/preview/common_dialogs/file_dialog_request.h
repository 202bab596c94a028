// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer_settings.h"
#include "file_filters.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Flags of the platform's file request that the preview sets.
inline constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
inline constexpr std::uint32_t OFN_ENABLEHOOK = 0x20;
inline constexpr std::uint32_t OFN_ENABLETEMPLATE = 0x40;
inline constexpr std::uint32_t OFN_EXPLORER = 0x80000;

enum class FileDialogMode { Open, Save };

// The open or save dialog of a file kind, with the built-in defaults of the
// run-time file dialog components: no overwrite prompt, non-existing names
// accepted, one file at a time, the first file type preselected.
struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  QString title;  // an empty title stays an empty text
  std::vector<FileFilter> filters;
  int filterIndex = 1;                      // one-based: the type preselected
  std::optional<QString> defaultExtension;  // absent when empty
  QString initialDirectory;                 // empty: the current directory
  // OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER, and OFN_ENABLETEMPLATE
  // for the picture kinds, whose dialog carries the picture pane.
  std::uint32_t flags = 0;
};

// The request of the active dialog kind of `settings`, which is one of the
// four file kinds.
FileDialogRequest fileDialogRequest(const CommonDialogSettings& settings);

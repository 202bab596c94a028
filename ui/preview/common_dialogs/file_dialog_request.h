// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"
#include "ui/preview/common_dialogs/file_filters.h"

#include <QString>
#include <optional>
#include <vector>

enum class FileDialogMode { Open, Save };

// What the open or save dialog of a file kind shows.
struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  bool picturePane = false;  // the picture kinds show the selected picture beside the files
  QString title;             // an empty title stays an empty text
  std::vector<FileFilter> filters;
  std::optional<QString> defaultExtension;  // absent when empty
};

// The request of `kind`, one of fileDialogKinds, from that kind's settings.
FileDialogRequest fileDialogRequest(DialogKind kind, const CommonDialogSettings& settings);

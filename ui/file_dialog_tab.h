// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

class FilterGrid;
class QLineEdit;

// The controls of one file dialog tab, which hold one FileDialogSettings.
struct FileDialogTab {
  QLineEdit* title;
  QLineEdit* defaultExtension;
  FilterGrid* filter;
};

// The tab's entries as they stand, read into a fresh settings value.
FileDialogSettings readFileDialogTab(const FileDialogTab& tab);

// Writes the settings into the tab's controls; the grid shows its first cell, editor closed.
void writeFileDialogTab(const FileDialogTab& tab, const FileDialogSettings& settings);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "file_dialog_tab.h"

#include "filter_grid.h"

#include <QLineEdit>

FileDialogSettings readFileDialogTab(const FileDialogTab& tab) {
  FileDialogSettings settings;
  settings.title = tab.title->text().toStdString();
  settings.defaultExtension = tab.defaultExtension->text().toStdString();
  settings.filters = tab.filter->rows();
  return settings;
}

void clearFileDialogTab(const FileDialogTab& tab) {
  tab.title->clear();
  tab.defaultExtension->clear();
  tab.filter->clearRows();
}

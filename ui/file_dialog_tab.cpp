// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/file_dialog_tab.h"

#include "ui/filter_grid.h"

#include <QLineEdit>

FileDialogSettings readFileDialogTab(const FileDialogTab& tab) {
  FileDialogSettings settings;
  settings.title = tab.title->text().toStdString();
  settings.defaultExtension = tab.defaultExtension->text().toStdString();
  settings.filters = tab.filter->rows();
  return settings;
}

void writeFileDialogTab(const FileDialogTab& tab, const FileDialogSettings& settings) {
  tab.title->setText(QString::fromStdString(settings.title));
  tab.defaultExtension->setText(QString::fromStdString(settings.defaultExtension));
  tab.filter->setRows(settings.filters);
}

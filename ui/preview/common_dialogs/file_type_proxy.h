// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/common_dialogs/file_filters.h"

#include <QSortFilterProxyModel>

// Stands between a non-native file dialog and its file system model and shows
// the folders and the files that match the patterns of the chosen file type,
// matched by the program itself: Qt's own name filters read "Name (patterns)"
// and refuse many characters that a pattern may hold. With no file types at
// all every file is shown.
class FileTypeProxy : public QSortFilterProxyModel {
 public:
  explicit FileTypeProxy(std::vector<FileFilter> filters, QObject* parent = nullptr);

  // Shows the files of the file type at `index` (zero-based).
  void chooseFileType(int index);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  std::vector<FileFilter> filters_;
  QStringList patterns_;
};

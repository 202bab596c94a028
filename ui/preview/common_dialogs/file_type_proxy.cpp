// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/file_type_proxy.h"

#include <QFileSystemModel>

FileTypeProxy::FileTypeProxy(std::vector<FileFilter> filters, QObject* parent)
    : QSortFilterProxyModel(parent), filters_(std::move(filters)) {
  chooseFileType(0);
}

void FileTypeProxy::chooseFileType(int index) {
  if (index < 0 || index >= static_cast<int>(filters_.size())) return;
  patterns_ = filterPatterns(filters_[static_cast<std::size_t>(index)].pattern);
  invalidateFilter();
}

bool FileTypeProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (filters_.empty()) return true;
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (!files) return true;
  const QModelIndex index = files->index(sourceRow, 0, sourceParent);
  return files->isDir(index) || matchesFilterPatterns(files->fileName(index), patterns_);
}

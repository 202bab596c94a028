// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "file_dialog_request.h"

#include "build_filter_string.h"

namespace {

const FileDialogSettings& settingsOf(FileDialogKind kind, const CommonDialogSettings& settings) {
  switch (kind) {
    case FileDialogKind::Open:
      return settings.open;
    case FileDialogKind::Save:
      return settings.save;
    case FileDialogKind::OpenPicture:
      return settings.openPicture;
    case FileDialogKind::SavePicture:
      return settings.savePicture;
  }
  return settings.open;
}

}  // namespace

FileDialogRequest fileDialogRequest(FileDialogKind kind, const CommonDialogSettings& settings) {
  const FileDialogSettings& file = settingsOf(kind, settings);
  FileDialogRequest request;
  request.mode =
      kind == FileDialogKind::Save || kind == FileDialogKind::SavePicture ? FileDialogMode::Save : FileDialogMode::Open;
  request.picturePane = kind == FileDialogKind::OpenPicture || kind == FileDialogKind::SavePicture;
  request.title = QString::fromStdString(file.title);
  request.filters = fileFilters(QString::fromStdString(BuildFilterString(file.filters)));
  if (!file.defaultExtension.empty()) request.defaultExtension = QString::fromStdString(file.defaultExtension);
  return request;
}

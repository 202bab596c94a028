// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/file_dialog_request.h"

#include "composer/build_filter_string.h"

FileDialogRequest fileDialogRequest(DialogKind kind, const CommonDialogSettings& settings) {
  const FileDialogSettings& file = fileDialogSettings(settings, kind);
  FileDialogRequest request;
  request.mode =
      kind == DialogKind::Save || kind == DialogKind::SavePicture ? FileDialogMode::Save : FileDialogMode::Open;
  request.picturePane = kind == DialogKind::OpenPicture || kind == DialogKind::SavePicture;
  request.title = QString::fromStdString(file.title);
  request.filters = fileFilters(QString::fromStdString(BuildFilterString(file.filters)));
  if (!file.defaultExtension.empty()) request.defaultExtension = QString::fromStdString(file.defaultExtension);
  return request;
}

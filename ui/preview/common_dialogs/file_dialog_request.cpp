// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "file_dialog_request.h"

#include "build_filter_string.h"

#include <cassert>

namespace {

bool isPictureKind(DialogKind kind) { return kind == DialogKind::OpenPicture || kind == DialogKind::SavePicture; }

bool isSaveKind(DialogKind kind) { return kind == DialogKind::Save || kind == DialogKind::SavePicture; }

}  // namespace

FileDialogRequest fileDialogRequest(const CommonDialogSettings& settings) {
  const DialogKind kind = settings.activeDialog;
  const FileDialogSettings* file = fileDialogSettings(settings, kind);
  assert(file);
  FileDialogRequest request;
  request.mode = isSaveKind(kind) ? FileDialogMode::Save : FileDialogMode::Open;
  request.title = QString::fromStdString(file->title);
  request.filters = fileFilters(QString::fromStdString(BuildFilterString(file->filters)));
  if (!file->defaultExtension.empty()) request.defaultExtension = QString::fromStdString(file->defaultExtension);
  request.flags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER;
  if (isPictureKind(kind)) request.flags |= OFN_ENABLETEMPLATE;
  return request;
}

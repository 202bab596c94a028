// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/preview_file_dialog.h"

#include "ui/preview/common_dialogs/common_dialog_exec.h"
#include "ui/preview/common_dialogs/file_type_proxy.h"
#include "ui/preview/picture/picture_pane.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>

namespace {

// Qt keeps one name filter "*" per file type, so that its own parser, which
// refuses many characters a name or pattern may hold, lets every file through
// to the program's FileTypeProxy. The file type list then shows the types'
// names exactly. Qt internals touched: the file type list "fileTypeCombo";
// where it is missing the first file type stays chosen.
void offerFileTypes(QFileDialog& dialog, const FileDialogRequest& request) {
  auto* proxy = new FileTypeProxy(request.filters, &dialog);
  dialog.setProxyModel(proxy);
  dialog.setNameFilters(QStringList(static_cast<qsizetype>(request.filters.size()), QStringLiteral("*")));
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (!types || types->count() != static_cast<int>(request.filters.size())) return;
  for (int i = 0; i < types->count(); ++i) types->setItemText(i, request.filters[static_cast<std::size_t>(i)].name);
  QObject::connect(types, &QComboBox::currentIndexChanged, proxy, &FileTypeProxy::chooseFileType);
  if (types->count() > 0) types->setCurrentIndex(0);
}

}  // namespace

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                    QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(request.mode == FileDialogMode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An empty title would show the program's name in the title bar; Qt's default
  // caption stands for the platform's.
  if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
  offerFileTypes(dialog, request);
  if (request.defaultExtension) dialog.setDefaultSuffix(*request.defaultExtension);
  dialog.setDirectory(QDir::currentPath());
}

void showFileDialog(const FileDialogRequest& request) {
  // Made in the current directory, the dialog starts with that folder alone in its Back
  // history; made without one, Qt would first show the folder last visited in an earlier
  // preview, and Back would lead there.
  QFileDialog dialog(nullptr, QString(), QDir::currentPath());
  configureFileDialog(dialog, request);
  if (request.picturePane) {
    const QSize plain = dialog.size();
    attachPicturePane(dialog);
    // The standard controls keep the plain dialog's area; the pane's strip is added.
    if (const auto* pane = dialog.findChild<QWidget*>(QStringLiteral("PicturePanel")))
      dialog.resize(plain.width() + pane->width(), plain.height());
  }
  execCommonDialog(dialog);
}

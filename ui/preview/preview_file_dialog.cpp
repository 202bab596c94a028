#include "preview_file_dialog.h"

#include "common_dialog_exec.h"
#include "picture_pane.h"

#include <QDir>
#include <QFileDialog>

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                    QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(request.mode == FileDialogMode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An empty title would show the program's name in the title bar; Qt's default
  // caption stands for the platform's.
  if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
  const QStringList nameFilters = qtNameFilters(request.filters);
  dialog.setNameFilters(nameFilters);
  if (request.filterIndex >= 1 && request.filterIndex <= nameFilters.size())
    dialog.selectNameFilter(nameFilters[request.filterIndex - 1]);
  if (request.defaultExtension) dialog.setDefaultSuffix(*request.defaultExtension);
  dialog.setDirectory(request.initialDirectory.isEmpty() ? QDir::currentPath() : request.initialDirectory);
}

void showFileDialog(const FileDialogRequest& request) {
  QFileDialog dialog;
  configureFileDialog(dialog, request);
  if (request.flags & OFN_ENABLETEMPLATE) attachPicturePane(dialog);
  execCommonDialog(dialog);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/show_preview.h"

#include "ui/preview/boxes/input_box_dialog.h"
#include "ui/preview/boxes/input_box_request.h"
#include "ui/preview/boxes/message_box_request.h"
#include "ui/preview/boxes/preview_message_box.h"
#include "ui/preview/common_dialogs/color_dialog_request.h"
#include "ui/preview/common_dialogs/file_dialog_request.h"
#include "ui/preview/common_dialogs/font_dialog_request.h"
#include "ui/preview/common_dialogs/preview_color_dialog.h"
#include "ui/preview/common_dialogs/preview_file_dialog.h"
#include "ui/preview/common_dialogs/preview_font_dialog.h"
#include "ui/preview/common_dialogs/preview_print_dialog.h"
#include "ui/preview/common_dialogs/print_dialog_request.h"
#include "ui/windowing/active_window_guard.h"
#include "ui/windowing/qt_dialog_state.h"

namespace {

void showCommonDialog(const CommonDialogSettings& settings) {
  const DialogKind kind = settings.activeDialog;
  if (isFileDialog(kind))
    showFileDialog(fileDialogRequest(kind, settings));
  else if (kind == DialogKind::Font)
    showFontDialog(fontDialogRequest(settings.fontDevice));
  else if (kind == DialogKind::Color)
    showColorDialog(colorDialogRequest(settings));
  else
    showPrintDialog(printDialogRequest(settings));
}

}  // namespace

void showPreview(const ComposerSettings& settings, QWidget* composerWindow) {
  // Whatever kind of dialog closes, the window that was active before gets the
  // keyboard again: Qt leaves no window active after a modal window closes
  // where no window manager hands the focus back.
  const ActiveWindowGuard activeWindow;
  const QtDialogStateGuard qtDialogState;
  switch (settings.activeCreator) {
    case CreatorKind::MessageBox:
      showMessageBox(messageBoxRequest(settings.messageBox), composerWindow);
      return;
    case CreatorKind::InputBox:
      showInputBox(inputBoxRequest(settings.inputBox));
      return;
    case CreatorKind::CommonDialog:
      showCommonDialog(settings.commonDialog);
      return;
  }
}

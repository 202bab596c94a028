// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/common_dialog_exec.h"

#include "ui/windowing/outer_placement.h"
#include "ui/windowing/screen_placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>

namespace {

// Watches the application while a common dialog is open and places that dialog, and the
// dialogs it opens, by their outer rectangle when each is shown the first time, and again
// once the window manager has framed it. A window that brings a placement of its own (the
// picture pane's "Preview" window) is left to it.
class DialogPlacer : public QObject {
 public:
  explicit DialogPlacer(QDialog& dialog) : dialog_(dialog) { qApp->installEventFilter(this); }
  ~DialogPlacer() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* window = qobject_cast<QDialog*>(watched);
      if (window && window->isWindow() && belongsToDialog(window) && !hasPlacement(window)) place(window);
    }
    return false;
  }

 private:
  bool belongsToDialog(const QWidget* window) const {
    for (const QWidget* w = window; w; w = w->parentWidget())
      if (w == &dialog_) return true;
    return false;
  }

  static bool hasPlacement(const QWidget* window) {
    return window->findChild<OuterPlacement*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
  }

  static void place(QWidget* window) {
    auto* placement = new OuterPlacement(
        window, [](QSize outer) { return commonDialogPosition(QGuiApplication::primaryScreen()->geometry(), outer); });
    placement->place();
  }

  QDialog& dialog_;
};

}  // namespace

bool execCommonDialog(QDialog& dialog) {
  const DialogPlacer placer(dialog);
  dialog.setWindowModality(Qt::ApplicationModal);
  return dialog.exec() == QDialog::Accepted;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/modal_window_in_view.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class ModalWindowInView : public QObject {
 public:
  explicit ModalWindowInView(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange && window_.isMinimized())
      // Restored once the state change has been handled; a window manager that minimises
      // a window together with the window it belongs to (openbox) restores both.
      QTimer::singleShot(0, this, [this] {
        if (window_.isVisible() && window_.isMinimized())
          window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
      });
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

void keepModalWindowInView(QWidget& window) { new ModalWindowInView(window); }

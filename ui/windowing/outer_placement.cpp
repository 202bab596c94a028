// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/outer_placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

OuterPlacement::OuterPlacement(QWidget* window, std::function<QPoint(QSize outer)> position)
    : QObject(window), window_(window), position_(std::move(position)), extents_(*window) {
  window->installEventFilter(this);
  if (extents_.available()) QCoreApplication::instance()->installNativeEventFilter(this);
}

bool OuterPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Show) place();
  return false;
}

// The window manager frames the window after it was first shown, and announces the
// frame only once it is finished; the window is placed again then. Acting on that one
// announcement, not on whatever frame Qt happens to report when the window is painted or
// activated, makes the place the same on every run: Qt may measure a frame the window
// manager is still building (one pixel wide), or see the frame only after the last event
// that would have placed the window. The user moving the window leaves the frame as it is.
bool OuterPlacement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType == "xcb_generic_event_t" && window_->isVisible() && extents_.isChange(message) &&
      frame() != placedFrame_)
    place();
  return false;
}

void OuterPlacement::place() { placeWithin(frame()); }

QMargins OuterPlacement::frame() const {
  if (extents_.available()) return extents_.read();
  const QRect outer = window_->frameGeometry();
  const QRect inner = window_->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// The window's own rectangle is set, not its frame position: Qt turns a frame position into
// a window position by the frame it knows itself, which may not be the finished one.
void OuterPlacement::placeWithin(QMargins frame) {
  placedFrame_ = frame;
  const QSize size = window_->size();
  const QPoint outer = position_(size.grownBy(frame));
  window_->setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), size));
}

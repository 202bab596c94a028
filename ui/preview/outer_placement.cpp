#include "outer_placement.h"

#include <QEvent>
#include <QWidget>

OuterPlacement::OuterPlacement(QWidget* window, std::function<QPoint(QSize outer)> position)
    : QObject(window), window_(window), position_(std::move(position)) {
  window->installEventFilter(this);
}

bool OuterPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::Show:
      place();
      break;
    // A window manager frames the window after it is shown and then maps,
    // paints and activates it; the frame may also come with a move. Only a
    // change of the frame, not the user moving or resizing the window, places
    // it again.
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
      if (window_->isVisible() && frame() != placedFrame_) place();
      break;
    default:
      break;
  }
  return false;
}

void OuterPlacement::place() {
  placedFrame_ = frame();
  window_->move(position_(window_->frameGeometry().size()));
}

QMargins OuterPlacement::frame() const {
  const QRect outer = window_->frameGeometry();
  const QRect inner = window_->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

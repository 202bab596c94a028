#include "outer_placement.h"

#include <QEvent>
#include <QWidget>

OuterPlacement::OuterPlacement(QWidget* window, std::function<QPoint(QSize outer)> position)
    : QObject(window), window_(window), position_(std::move(position)) {
  window->installEventFilter(this);
}

bool OuterPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  // A window manager frames the window after it is shown, which moves it;
  // only a change of the frame, not the user moving or resizing the window,
  // places it again.
  if (event->type() == QEvent::Show || ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                                        window_->isVisible() && frame() != placedFrame_))
    place();
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

#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

// Places a top-level window by its outer rectangle, frame included: when it
// is shown, and again each time its frame changes afterwards. Under a window
// manager the frame is known only once the window has been framed, after it
// was first shown; on a bare X server there is none. `position` gives the
// outer top-left corner for an outer size. The placement belongs to the window.
class OuterPlacement : public QObject {
 public:
  OuterPlacement(QWidget* window, std::function<QPoint(QSize outer)> position);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // Places the window now.
  void place();

 private:
  QMargins frame() const;

  QWidget* window_;
  std::function<QPoint(QSize)> position_;
  QMargins placedFrame_;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

#include "ui/windowing/x11_frame_extents.h"

#include <functional>
#include <optional>

class QWidget;

// Places a top-level window by its outer rectangle, frame included: when it is shown, and
// again each time the window manager announces a new frame for it. Under a window manager
// the frame is known only once the window has been framed, after it was first shown; on a
// bare X server there is none. `position` gives the outer top-left corner for an outer
// size. The placement belongs to the window; a window that carries one is placed by it
// alone.
class OuterPlacement : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  OuterPlacement(QWidget* window, std::function<QPoint(QSize outer)> position);

  bool eventFilter(QObject* watched, QEvent* event) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  // Places the window now, by the frame known now.
  void place();

 private:
  QMargins frame() const;
  void placeWithin(QMargins frame);

  QWidget* window_;
  std::function<QPoint(QSize)> position_;
  X11FrameExtents extents_;
  std::optional<QMargins> placedFrame_;
};

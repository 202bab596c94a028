// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QMargins>
#include <cstdint>

class QWidget;

// The frame a window manager has put around a top-level window on X11, as the window
// manager itself announces it in the window's _NET_FRAME_EXTENTS property. Unlike the
// frame Qt reports, which it may measure from a frame window the window manager is still
// building, the property holds the finished frame, and a change of it is an event the
// program can wait for.
class X11FrameExtents {
 public:
  // Ready to read `window`'s frame when the program runs on X11.
  explicit X11FrameExtents(const QWidget& window);

  // Whether the program runs on X11, where the property is the frame.
  bool available() const { return atom_ != 0; }

  // The frame as the property gives it; none where the property is absent (not framed
  // yet, or no window manager).
  QMargins read() const;

  // Whether the native event `xcbEvent` tells that the window's property changed.
  bool isChange(const void* xcbEvent) const;

 private:
  const QWidget& window_;
  std::uint32_t atom_ = 0;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/x11_frame_extents.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t* x11Connection() {
  // The offscreen platform offers the X11 interface too, without a connection.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

}  // namespace

X11FrameExtents::X11FrameExtents(const QWidget& window) : window_(window) {
  xcb_connection_t* connection = x11Connection();
  if (!connection) return;
  const char name[] = "_NET_FRAME_EXTENTS";
  const ReplyPointer<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr), &std::free);
  if (reply) atom_ = reply->atom;
}

QMargins X11FrameExtents::read() const {
  xcb_connection_t* connection = x11Connection();
  if (!connection || !available() || window_.internalWinId() == 0) return {};
  const auto id = static_cast<xcb_window_t>(window_.internalWinId());
  const ReplyPointer<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, atom_, XCB_ATOM_CARDINAL, 0, 4), nullptr),
      &std::free);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return {};
  const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {static_cast<int>(value[0]), static_cast<int>(value[2]), static_cast<int>(value[1]),
          static_cast<int>(value[3])};
}

bool X11FrameExtents::isChange(const void* xcbEvent) const {
  const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
  if (!available() || (event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
  const auto* property = static_cast<const xcb_property_notify_event_t*>(xcbEvent);
  return property->atom == atom_ && property->window == static_cast<xcb_window_t>(window_.internalWinId());
}

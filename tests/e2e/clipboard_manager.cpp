// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

// A clipboard manager for the end-to-end tests, as desktops run one: it owns the
// CLIPBOARD_MANAGER selection and, on the first SAVE_TARGETS request of a client that is
// about to end, takes that client's clipboard text (UTF8_STRING), confirms the request and
// serves the text as its own clipboard until another client takes it. Prints "ready" once
// it owns CLIPBOARD_MANAGER and "saved" once it holds a client's text.

#include "clipboard_keeper/clipboard_owner.h"
#include "clipboard_keeper/x11_selections.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Waits for the next event of the given type, dropping the others.
Reply<xcb_generic_event_t> nextEvent(xcb_connection_t* connection, std::uint8_t type) {
  while (Reply<xcb_generic_event_t> event{xcb_wait_for_event(connection)})
    if ((event->response_type & 0x7f) == type) return event;
  return nullptr;
}

// The requestor's clipboard as UTF-8 text, fetched into a property of `window`.
bool fetchClipboard(xcb_connection_t* connection, xcb_window_t window, xcb_timestamp_t time, std::string& text) {
  const xcb_atom_t property = internAtom(connection, "QUILLMARK_SAVED_CLIPBOARD");
  xcb_convert_selection(connection, window, internAtom(connection, "CLIPBOARD"), internAtom(connection, "UTF8_STRING"),
                        property, time);
  xcb_flush(connection);
  const auto notify = nextEvent(connection, XCB_SELECTION_NOTIFY);
  if (!notify || reinterpret_cast<xcb_selection_notify_event_t*>(notify.get())->property == XCB_ATOM_NONE) return false;
  const Reply<xcb_get_property_reply_t> value{xcb_get_property_reply(
      connection, xcb_get_property(connection, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24), nullptr)};
  if (!value) return false;
  text.assign(static_cast<const char*>(xcb_get_property_value(value.get())),
              static_cast<std::size_t>(xcb_get_property_value_length(value.get())));
  return true;
}

}  // namespace

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return 1;
  const xcb_atom_t manager = internAtom(connection, "CLIPBOARD_MANAGER");
  const xcb_atom_t saveTargets = internAtom(connection, "SAVE_TARGETS");
  const xcb_window_t window = xcb_generate_id(connection);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_create_window(connection, 0, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                    XCB_COPY_FROM_PARENT, 0, nullptr);
  xcb_set_selection_owner(connection, window, manager, XCB_CURRENT_TIME);
  const Reply<xcb_get_selection_owner_reply_t> owner{
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, manager), nullptr)};
  if (!owner || owner->owner != window) return 1;
  std::puts("ready");
  std::fflush(stdout);

  std::string text;
  for (;;) {
    const auto event = nextEvent(connection, XCB_SELECTION_REQUEST);
    if (!event) return 1;
    const auto request = *reinterpret_cast<xcb_selection_request_event_t*>(event.get());
    if (request.selection != manager || request.target != saveTargets) continue;
    const bool saved = fetchClipboard(connection, window, request.time, text);
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = saved ? request.property : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
    if (saved) break;
  }
  ClipboardOwner clipboard(connection, text);
  if (!clipboard.take()) return 1;
  std::puts("saved");
  std::fflush(stdout);
  clipboard.serveUntilTaken();
  xcb_disconnect(connection);
  return 0;
}

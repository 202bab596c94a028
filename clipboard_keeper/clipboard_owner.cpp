// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "clipboard_keeper/clipboard_owner.h"

#include "clipboard_keeper/x11_selections.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The size of a ChangeProperty request before its data.
constexpr std::uint64_t changePropertyHeaderBytes = 24;

struct FreeEvent {
  void operator()(xcb_generic_event_t* event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeEvent>;

std::uint8_t eventType(const xcb_generic_event_t& event) { return event.response_type & 0x7f; }

}  // namespace

ClipboardOwner::ClipboardOwner(xcb_connection_t* connection, std::string text)
    : connection_(connection),
      text_(std::move(text)),
      atoms_{internAtom(connection, "CLIPBOARD"), internAtom(connection, "TARGETS"),
             internAtom(connection, "TIMESTAMP"), internAtom(connection, "UTF8_STRING"),
             internAtom(connection, "TEXT"),      internAtom(connection, "text/plain;charset=utf-8")},
      window_(xcb_generate_id(connection)) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
  const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(connection_, 0, window_, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                    XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
}

ClipboardOwner::~ClipboardOwner() {
  xcb_destroy_window(connection_, window_);
  xcb_flush(connection_);
}

bool ClipboardOwner::take() {
  const std::uint64_t largest = std::uint64_t{xcb_get_maximum_request_length(connection_)} * 4;
  if (text_.size() + changePropertyHeaderBytes > largest) return false;
  // The selection is taken at a time the server gave: an empty append to a property of
  // the window reports the server's time in its PropertyNotify.
  xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
  xcb_flush(connection_);
  while (since_ == XCB_CURRENT_TIME) {
    const Event event(xcb_wait_for_event(connection_));
    if (!event) return false;
    if (eventType(*event) == XCB_PROPERTY_NOTIFY)
      since_ = reinterpret_cast<const xcb_property_notify_event_t*>(event.get())->time;
  }
  if (atoms_.clipboard == XCB_ATOM_NONE) return false;
  xcb_set_selection_owner(connection_, window_, atoms_.clipboard, since_);
  xcb_get_selection_owner_reply_t* owner =
      xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, atoms_.clipboard), nullptr);
  const bool owned = owner && owner->owner == window_;
  std::free(owner);
  return owned;
}

void ClipboardOwner::serveUntilTaken() {
  while (const Event event{xcb_wait_for_event(connection_)}) {
    switch (eventType(*event)) {
      case XCB_SELECTION_CLEAR:
        return;
      case XCB_SELECTION_REQUEST:
        answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event.get()));
        break;
      default:
        break;  // errors about requestors that went away, property changes of our own
    }
  }
}

// Stores the reply in the requestor's property and tells it so; a request for a target not
// served is refused with no property. (The request's time is not compared with the time the
// selection was taken: the server's clock wraps after 49 days, and a keeper may run that long.)
void ClipboardOwner::answer(const xcb_selection_request_event_t& request) {
  // Clients from before the selection rules name no property: they get the target's.
  const xcb_atom_t property = request.property != XCB_ATOM_NONE ? request.property : request.target;
  const bool stored = storeReply(request.requestor, property, request.target);
  xcb_selection_notify_event_t notify{};
  notify.response_type = XCB_SELECTION_NOTIFY;
  notify.time = request.time;
  notify.requestor = request.requestor;
  notify.selection = request.selection;
  notify.target = request.target;
  notify.property = stored ? property : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
  xcb_flush(connection_);
}

bool ClipboardOwner::storeReply(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target) {
  const auto [targets, timestamp, utf8String, text, plainText] =
      std::array{atoms_.targets, atoms_.timestamp, atoms_.utf8String, atoms_.text, atoms_.plainText};
  const auto store = [&](xcb_atom_t type, std::uint8_t format, std::size_t count, const void* data) {
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, format,
                        static_cast<std::uint32_t>(count), data);
    return true;
  };
  if (target == XCB_ATOM_NONE) return false;
  if (target == targets) {
    const std::array<xcb_atom_t, 6> served = {targets, timestamp, utf8String, XCB_ATOM_STRING, text, plainText};
    return store(XCB_ATOM_ATOM, 32, served.size(), served.data());
  }
  if (target == timestamp) return store(XCB_ATOM_INTEGER, 32, 1, &since_);
  // TEXT leaves the encoding to the owner, which names it in the reply's type.
  if (target == utf8String || target == text) return store(utf8String, 8, text_.size(), text_.data());
  if (target == XCB_ATOM_STRING || target == plainText) return store(target, 8, text_.size(), text_.data());
  return false;
}

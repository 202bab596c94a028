// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "clipboard_keeper/x11_selections.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (!reply) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}

namespace {

xcb_window_t selectionOwner(xcb_connection_t* connection, const char* selection) {
  const xcb_atom_t atom = internAtom(connection, selection);
  if (atom == XCB_ATOM_NONE) return XCB_WINDOW_NONE;
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom), nullptr);
  const xcb_window_t owner = reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
  std::free(reply);
  return owner;
}

}  // namespace

bool clipboardManagerRuns(xcb_connection_t* connection) {
  return selectionOwner(connection, "CLIPBOARD_MANAGER") != XCB_WINDOW_NONE;
}

bool connectionOwnsClipboard(xcb_connection_t* connection) {
  const xcb_window_t owner = selectionOwner(connection, "CLIPBOARD");
  const xcb_setup_t* setup = xcb_get_setup(connection);
  return owner != XCB_WINDOW_NONE && (owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

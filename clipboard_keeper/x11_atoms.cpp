// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "x11_atoms.h"

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

bool clipboardManagerRuns(xcb_connection_t* connection) {
  const xcb_atom_t manager = internAtom(connection, "CLIPBOARD_MANAGER");
  if (manager == XCB_ATOM_NONE) return false;
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, manager), nullptr);
  const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
  std::free(reply);
  return owned;
}

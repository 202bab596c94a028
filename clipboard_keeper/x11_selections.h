// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <xcb/xcb.h>

// The atom of the given name on the display, XCB_ATOM_NONE when the display does not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

// Whether a clipboard manager runs: a client owns the CLIPBOARD_MANAGER selection, to which
// a program hands its clipboard before it ends.
bool clipboardManagerRuns(xcb_connection_t* connection);

// Whether the CLIPBOARD selection's owner, as the display sees it now, is a window of this
// connection (its id lies in the connection's range of resource ids).
bool connectionOwnsClipboard(xcb_connection_t* connection);

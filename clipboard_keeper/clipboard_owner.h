// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <xcb/xcb.h>

#include <string>

// Owns the CLIPBOARD selection of one X display and serves one text from it, as plain text
// in the same bytes under every text target: UTF8_STRING, STRING, TEXT and
// text/plain;charset=utf-8, with TARGETS and TIMESTAMP as the selection rules ask. Other
// targets are refused. The text is never larger than one X request can carry, so no reply
// needs an incremental transfer.
class ClipboardOwner {
 public:
  ClipboardOwner(xcb_connection_t* connection, std::string text);
  ~ClipboardOwner();
  ClipboardOwner(const ClipboardOwner&) = delete;
  ClipboardOwner& operator=(const ClipboardOwner&) = delete;

  // Takes the selection with a time stamp from the server; false when the display refused
  // it or the text is too large for one request.
  bool take();

  // Answers paste requests until another client takes the selection or the display goes.
  void serveUntilTaken();

 private:
  void answer(const xcb_selection_request_event_t& request);
  bool storeReply(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target);

  struct Atoms {
    xcb_atom_t clipboard, targets, timestamp, utf8String, text, plainText;
  };

  xcb_connection_t* connection_;
  std::string text_;
  Atoms atoms_;
  xcb_window_t window_;
  xcb_timestamp_t since_ = XCB_CURRENT_TIME;
};

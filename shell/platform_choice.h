// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>

struct xcb_connection_t;

// The Qt platforms the program asks for, in order, given the user's own
// QT_QPA_PLATFORM (empty when unset) and which displays answer: X11 first,
// where windows stand exactly where they are placed and an empty title stays
// empty (XWayland on a Wayland desktop), then Wayland. A user's choice is kept
// as it is. Empty when no display answers: the program cannot start.
QByteArray qtPlatformChoice(const QByteArray& userChoice, bool x11Answers, bool waylandAnswers);

// Applies qtPlatformChoice to this process's QT_QPA_PLATFORM; make it before
// the application object. The X11 connection made to find out is kept until
// release(): when the last client of an X server that nothing else uses yet
// disconnects, the server resets, and the application's own connection, made
// in that moment, would be refused. Until release() a platform that cannot
// start (its plugin missing, its display not answering) ends the program with
// one line and status 1, where Qt would abort with a core dump.
class PlatformChoice {
 public:
  PlatformChoice();
  ~PlatformChoice();
  PlatformChoice(const PlatformChoice&) = delete;
  PlatformChoice& operator=(const PlatformChoice&) = delete;

  // False when no display answers.
  bool displayAnswers() const { return displayAnswers_; }
  // Closes the X11 connection, once the application has its own.
  void release();

 private:
  xcb_connection_t* x11_ = nullptr;
  bool displayAnswers_ = false;
  bool watchingStart_ = false;
};

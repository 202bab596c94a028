#pragma once

#include <QByteArray>

// The Qt platforms the program asks for, in order, given the user's own
// QT_QPA_PLATFORM (empty when unset) and which displays answer: X11 first,
// where windows stand exactly where they are placed and an empty title stays
// empty (XWayland on a Wayland desktop), then Wayland. A user's choice is kept
// as it is. Empty when no display answers: the program cannot start.
QByteArray qtPlatformChoice(const QByteArray& userChoice, bool x11Answers, bool waylandAnswers);

// Applies qtPlatformChoice to this process's QT_QPA_PLATFORM; call it before
// the application object is made. False when no display answers.
bool choosePlatform();

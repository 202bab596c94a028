#pragma once

#include <QByteArray>

// The Qt platforms the program asks for, in order, given the user's own
// QT_QPA_PLATFORM (empty when unset) and whether an X display is named: X11
// first, where windows stand exactly where they are placed and an empty title
// stays empty (XWayland on a Wayland desktop), then Wayland where no X server
// is reachable. A user's choice is kept as it is.
QByteArray qtPlatformChoice(const QByteArray& userChoice, bool x11DisplayNamed);

// Applies qtPlatformChoice to this process's QT_QPA_PLATFORM; call it before
// the application object is made.
void choosePlatform();

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/session_bus.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user's bus socket of a systemd or elogind session, which libdbus finds
// by itself when no address is named: "$XDG_RUNTIME_DIR/bus", a socket owned
// by the user.
bool userBusSocketExists() {
  const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
  struct stat status {};
  return !runtimeDir.isEmpty() && ::lstat((runtimeDir + "/bus").constData(), &status) == 0 &&
         S_ISSOCK(status.st_mode) && status.st_uid == ::getuid();
}

}  // namespace

// Qt's accessibility bridge connects to the session bus at start, to find the
// screen readers' (AT-SPI) bus. Where DBUS_SESSION_BUS_ADDRESS is unset and the
// user has no bus socket, libdbus falls back to "autolaunch:": it runs
// dbus-launch (package dbus-x11), which starts a bus daemon for the X display
// and writes its address into ~/.dbus/session-bus/. That happens where a bare
// window manager or an `ssh -X` session runs without a bus, and the program
// writes nothing to disk. There it names an address of a transport libdbus
// does not know, so the connection fails at once and nothing is started; no
// screen reader can be listening where no bus runs. Programs it starts (the
// desktop's opener for links and help) inherit the address and start no bus
// either. A home that already holds autolaunched buses keeps libdbus's own
// way, so that the program still finds the bus a screen reader started there.
void keepSessionBusFromAutolaunching() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") || userBusSocketExists() ||
      QFileInfo(QDir::home().filePath(QStringLiteral(".dbus/session-bus"))).isDir())
    return;
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/platform_choice.h"

#include <QString>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A connection to the X server that DISPLAY names, or null when it does not
// accept one.
xcb_connection_t* connectToX11() {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) == 0) return connection;
  xcb_disconnect(connection);
  return nullptr;
}

// Whether a Wayland compositor listens where a Wayland client would look: a
// socket handed over in WAYLAND_SOCKET, or WAYLAND_DISPLAY (default
// "wayland-0") as an absolute path or inside XDG_RUNTIME_DIR.
bool waylandAnswers() {
  if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) return true;
  QByteArray path = qgetenv("WAYLAND_DISPLAY");
  if (path.isEmpty()) path = QByteArrayLiteral("wayland-0");
  if (!path.startsWith('/')) {
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (runtimeDir.isEmpty()) return false;
    path = runtimeDir + '/' + path;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (static_cast<size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const bool connected = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(socket);
  return connected;
}

// Qt's messages while the application object starts. Qt ends a start whose
// platform cannot start with a fatal message and an abort; the program ends
// with a line of its own instead. Other messages go to standard error as Qt's
// own handler writes them.
void endFailedPlatformStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    return;
  }
  std::fprintf(stderr,
               "quillmark: cannot start the Qt platform \"%s\": its plugin is missing or its display does not answer\n",
               qgetenv("QT_QPA_PLATFORM").constData());
  std::_Exit(1);
}

}  // namespace

QByteArray qtPlatformChoice(const QByteArray& userChoice, bool x11Answers, bool waylandAnswers) {
  if (!userChoice.isEmpty()) return userChoice;
  if (x11Answers) return QByteArrayLiteral("xcb;wayland");
  if (waylandAnswers) return QByteArrayLiteral("wayland");
  return {};
}

PlatformChoice::PlatformChoice() {
  const QByteArray userChoice = qgetenv("QT_QPA_PLATFORM");
  QByteArray platforms = userChoice;
  if (userChoice.isEmpty()) {
    x11_ = connectToX11();
    platforms = qtPlatformChoice(userChoice, x11_ != nullptr, waylandAnswers());
  }
  displayAnswers_ = !platforms.isEmpty();
  if (!displayAnswers_) return;
  qputenv("QT_QPA_PLATFORM", platforms);
  qInstallMessageHandler(endFailedPlatformStart);
  watchingStart_ = true;
}

PlatformChoice::~PlatformChoice() { release(); }

void PlatformChoice::release() {
  if (x11_) xcb_disconnect(x11_);
  x11_ = nullptr;
  if (watchingStart_) qInstallMessageHandler(nullptr);
  watchingStart_ = false;
}

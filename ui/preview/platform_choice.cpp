#include "platform_choice.h"

#include <QtGlobal>

QByteArray qtPlatformChoice(const QByteArray& userChoice, bool x11DisplayNamed) {
  if (!userChoice.isEmpty()) return userChoice;
  // Qt tries the platforms of a ";"-separated list in turn; without a display
  // name X11 cannot connect, so Wayland is tried first then.
  return x11DisplayNamed ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("wayland;xcb");
}

void choosePlatform() {
  qputenv("QT_QPA_PLATFORM", qtPlatformChoice(qgetenv("QT_QPA_PLATFORM"), !qEnvironmentVariableIsEmpty("DISPLAY")));
}

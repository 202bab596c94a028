#include "active_window_guard.h"

#include <QApplication>

ActiveWindowGuard::ActiveWindowGuard() : previous_(QApplication::activeWindow()) {}

ActiveWindowGuard::~ActiveWindowGuard() {
  if (previous_ && previous_->isVisible()) previous_->activateWindow();
}

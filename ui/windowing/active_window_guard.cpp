// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/active_window_guard.h"

#include <QApplication>

ActiveWindowGuard::ActiveWindowGuard() : previous_(QApplication::activeWindow()) {}

ActiveWindowGuard::~ActiveWindowGuard() {
  if (previous_ && previous_->isVisible()) previous_->activateWindow();
}

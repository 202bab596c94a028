// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

// Spans a preview's modal window: remembers the window that was active before
// and activates it again when the guard ends, also when the dialog failed. Qt
// does not re-activate the window that was active before an unowned dialog,
// and without a window manager not even a dialog's owner.
class ActiveWindowGuard {
 public:
  ActiveWindowGuard();
  ~ActiveWindowGuard();
  ActiveWindowGuard(const ActiveWindowGuard&) = delete;
  ActiveWindowGuard& operator=(const ActiveWindowGuard&) = delete;

 private:
  QPointer<QWidget> previous_;
};

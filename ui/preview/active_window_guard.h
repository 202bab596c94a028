#pragma once

#include <QPointer>
#include <QWidget>

// Spans a modal window that has no owner: remembers the window that was
// active before and activates it again when the guard ends, also when the
// dialog failed. Qt re-activates the owner of a dialog, not the window that
// was active before an unowned one.
class ActiveWindowGuard {
 public:
  ActiveWindowGuard();
  ~ActiveWindowGuard();
  ActiveWindowGuard(const ActiveWindowGuard&) = delete;
  ActiveWindowGuard& operator=(const ActiveWindowGuard&) = delete;

 private:
  QPointer<QWidget> previous_;
};

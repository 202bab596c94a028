// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

// The access keys of one window, offered to its controls in an order the window defines.
// Qt rotates the focus among widgets that share an Alt+letter and never presses an
// ambiguous button; here the first control in the window's order that can take the key
// acts, and the others never see it.
//
// An access key is Alt (or Alt+Shift) with a letter or digit, or the letter or digit alone
// while the focus is on a control that takes no typed text (a button, check box, radio item
// or tab bar). A label moves the focus to its field, a check box takes the focus and
// toggles, a push button is pressed without taking the focus. Hidden and disabled controls
// pass the key on; an Alt+letter that no control takes does nothing.
class AccessKeyDispatch : public QObject {
 public:
  using OfferedControls = std::function<std::vector<QWidget*>()>;

  // offeredControls returns the controls that may carry an access key, in the order a key
  // is offered to them. The dispatch watches the application's key events for window.
  AccessKeyDispatch(QWidget* window, OfferedControls offeredControls);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static bool isAccessKey(const QKeyEvent& key);
  void dispatch(int key) const;

  QWidget* window_;
  OfferedControls offeredControls_;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QDialog;

// Looks at the modal dialog that the code under test opens, from inside the
// dialog's own modal loop: once the dialog is visible, `inspect` runs; if the
// dialog is still open afterwards the probe closes it as cancelled, even one
// whose Escape and close box do nothing. The probe watches only while it
// lives, so a dialog that never opens leaves nothing pending.
class ModalDialogProbe : public QObject {
  Q_OBJECT

 public:
  explicit ModalDialogProbe(std::function<void(QDialog*)> inspect);

  // Whether a modal dialog was shown and inspected.
  bool seen() const { return seen_; }

 private:
  void poll();

  std::function<void(QDialog*)> inspect_;
  QTimer timer_;
  bool seen_ = false;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/boxes/message_box_request.h"

#include <QMessageBox>

// The message box of a preview: the platform's box as the style word describes
// it. Plain text only; buttons in the platform's original order with their
// access keys; Escape and the close box act only for sets that have a Cancel
// button or are OK-only; system-modal keeps it on top of all windows; an empty
// caption gives an empty title bar.
class PreviewMessageBox : public QMessageBox {
  Q_OBJECT

 public:
  PreviewMessageBox(const MessageBoxRequest& request, QWidget* owner);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A text taller than the screen is cut off at its bottom; the buttons stay on it.
  void fitOnScreen();
};

// Shows the box modally, owned by `owner`, and returns when it is closed.
void showMessageBox(const MessageBoxRequest& request, QWidget* owner);

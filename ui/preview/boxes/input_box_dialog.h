// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/boxes/input_box_request.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The program's own input box: a fixed dialog laid out in dialog units of the
// default window font, with the prompt, an edit field holding the default
// answer and the buttons OK and Cancel.
class InputBoxDialog : public QDialog {
  Q_OBJECT

 public:
  explicit InputBoxDialog(const InputBoxRequest& request);

  // The edit field's text after OK; the default text after Cancel, Escape or
  // the close box.
  QString answer() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void layOut();

  QString defaultText_;
  QLabel* promptLabel_ = nullptr;
  QLineEdit* answerEdit_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

// Shows the input box modally, without an owner, and returns the answer.
QString showInputBox(const InputBoxRequest& request);

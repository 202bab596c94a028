// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"

#include <QApplication>
#include <QDialog>

ModalDialogProbe::ModalDialogProbe(std::function<void(QDialog*)> inspect) : inspect_(std::move(inspect)) {
  connect(&timer_, &QTimer::timeout, this, &ModalDialogProbe::poll);
  timer_.start(5);
}

void ModalDialogProbe::poll() {
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (!dialog || !dialog->isVisible()) return;
  timer_.stop();
  seen_ = true;
  inspect_(dialog);
  if (dialog->isVisible()) dialog->done(QDialog::Rejected);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/error_report.h"

#include "ui/application_title.h"
#include "ui/windowing/active_window_guard.h"

#include <QMessageBox>
#include <exception>

QString errorReportText(const QString& message) {
  if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
  return message;
}

void showErrorReport(const QString& message) {
  const ActiveWindowGuard activeWindow;
  QMessageBox box(QMessageBox::Critical, applicationTitle(), QString(), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setText(errorReportText(message));
  box.exec();
}

void runReportingErrors(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    showErrorReport(QString::fromUtf8(error.what()));
  }
}

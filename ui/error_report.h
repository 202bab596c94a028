// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>
#include <functional>

// The application's standard error report: what the user sees when an event
// handler fails.

// The report's text: the error's text with a full stop appended when it is
// not empty and its last character's code is greater than that of ".".
QString errorReportText(const QString& message);

// A message box without an owner: the error icon, the program's title as caption,
// the report's text as plain text and an OK button.
void showErrorReport(const QString& message);

// Runs an event handler; a failure raised inside it ends the handler and goes
// to the error report, and the windows stay as they were.
void runReportingErrors(const std::function<void()>& handler);

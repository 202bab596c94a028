// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of the program. It is read before any display is needed,
// so that --help and --version answer on a text console. Qt's own options (-platform,
// -display, -style, ...) are let through: the application object takes them out of the
// arguments later.
struct CommandLineAnswer {
  // Set when the run ends here: 0 after --help or --version, 2 for a command line the
  // program does not understand.
  std::optional<int> exitStatus;
  // For standard output when the status is 0, for standard error otherwise: the usage,
  // the version, or one line naming the fault followed by the usage.
  QString text;
  QByteArray platform;       // Qt's -platform, when given
  QByteArray display;        // Qt's -display, when given
  bool styleChosen = false;  // Qt's -style was given
};

// Reads the arguments, the program's path first.
CommandLineAnswer answerCommandLine(const QStringList& arguments);

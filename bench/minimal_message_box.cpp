// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include <QApplication>
#include <QMessageBox>

// The yardstick of the start-up benchmark: the least a Qt program does to show a window.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMessageBox box(QMessageBox::Information, QStringLiteral("Minimal"), QStringLiteral("A message box."));
  box.show();
  return QApplication::exec();
}

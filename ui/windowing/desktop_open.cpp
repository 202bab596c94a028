// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop_open.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <stdexcept>

void openThroughDesktop(const QUrl& url) {
  if (!QDesktopServices::openUrl(url))
    throw std::runtime_error("The desktop has no program to open " + url.toDisplayString().toStdString());
}

void openHelpFile() {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qlm10.html"));
  openThroughDesktop(QUrl::fromLocalFile(path));
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/qt_dialog_state.h"

#include <QSettings>

QtDialogStateGuard::QtDialogStateGuard() {
  // A folder below a device file can be neither read nor created, also by root.
  const QString nowhere = QStringLiteral("/dev/null/quillmark");
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, nowhere);
}

QtDialogStateGuard::~QtDialogStateGuard() {
  // The values that could not be written stay in Qt's cache of settings files.
  QSettings(QSettings::UserScope, QStringLiteral("QtProject")).clear();
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "code_block.h"
#include "composer_settings.h"

#include <QString>
#include <QStringList>

// Default settings in the common-dialog creator with `kind` in front.
inline ComposerSettings commonDialogSettings(DialogKind kind) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::CommonDialog;
  settings.commonDialog.activeDialog = kind;
  return settings;
}

// The lines of `block` as its text has them, each without its CR LF.
inline QStringList toList(const CodeBlock& block) {
  QStringList lines = QString::fromStdString(block.text()).split(QStringLiteral("\r\n"));
  lines.removeLast();  // after the last line's CR LF
  return lines;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

// The program's title: the composer window's caption and the error report's.
// QUILLMARK_VERSION is the project's version, set by the build.
inline QString applicationTitle() { return QStringLiteral("Quillmark " QUILLMARK_VERSION); }

// The version line of the splash window and the About box.
inline QString versionText() { return QStringLiteral("Version " QUILLMARK_VERSION); }

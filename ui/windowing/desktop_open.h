// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QUrl>

// Requests handed to the user's desktop: web and mail addresses, and the help file.

// Opens the address in the program the desktop has for it. Throws std::runtime_error
// when the request cannot even be handed over (no desktop opener is installed); what
// fails after that is the desktop program's to report.
void openThroughDesktop(const QUrl& url);

// Opens the help file beside the running executable at its contents, which stand at its
// top. Whether the file exists is the viewer's to report.
void openHelpFile();

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QUrl>
#include <functional>

class QString;

// Requests handed to the user's desktop: web and mail addresses, and the help file.

// Called with the reason when the desktop's opener ends in failure after the request was
// handed over.
using OpenFailureReport = std::function<void(const QString& reason)>;

// Opens the address in the program the desktop has for it, through the desktop's opener
// (xdg-open), whose end is watched: when it fails (no program to open the address with,
// or opening failed) `reportFailure` is called later with the reason. Where no xdg-open is
// installed, Qt's own search for a browser is the last resort. Throws std::runtime_error
// when the request cannot even be handed over.
void openThroughDesktop(const QUrl& url, const OpenFailureReport& reportFailure);

// Opens the help file beside the running executable at its contents, which stand at its
// top, as openThroughDesktop does. Whether the file exists is the viewer's to report.
void openHelpFile(const OpenFailureReport& reportFailure);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

// The part of a message text that a box no larger than the screen can show:
// CR LF line breaks become LF, at most `maxLines` lines and `maxCharacters`
// characters are kept. Laying out more (a 1 MiB text) would stall the window
// for seconds and only produce lines that stand off the screen.
QString visibleMessageText(const QString& text, int maxLines, int maxCharacters);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPlainTextEdit;

// The list of lines of the word-wrapping message text box: every hard line break and every
// point where the box wraps a long line ends a line. An empty last display line is not
// counted (text ending in one line break gives no empty last entry, two give one, empty
// text gives none). Each line is cut after 4096 characters. "\n", "\r\n" and a bare "\r"
// each count as one hard break. Each paragraph is laid out the way the box lays it out, at
// textWidth, so the result holds whether the box has been shown or not.
std::vector<std::string> displayLines(const QString& text, const QFont& font, int textWidth);

// The box's whole text as typed, each hard line break a line feed. Unlike
// QPlainTextEdit::toPlainText, it keeps a no-break space (U+00A0) as it is.
QString plainTextEditText(const QPlainTextEdit& box);

// The text with every hard line break as CR LF, whichever line ends it came with.
QString withCrLfLineBreaks(QString text);

// The width at which a box without scroll bars wraps its text: its width less its frame and
// the document margin on both sides. Valid for a box that was never shown.
int plainTextEditTextWidth(const QPlainTextEdit& box);

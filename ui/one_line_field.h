// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QLineEdit;
class QWidget;

// A one-line field never holds a line break: text pasted or dropped into it keeps its first
// line only, as a single-line edit control does, and the text after the caret stays. Typed
// text is unchanged. (CR, LF and the Unicode line and paragraph separators each end a line.)
void keepOneLine(QLineEdit* field);

// keepOneLine() for every one-line field of the window: its edits and the edits of its
// editable combo boxes. A multi-line text box is no QLineEdit and keeps every line.
void keepOneLineFields(QWidget* window);

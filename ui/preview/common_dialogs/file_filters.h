// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// One file type that a file dialog offers.
struct FileFilter {
  QString name;
  QString pattern;  // one or more patterns separated by ";"
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// The file types that the platform reads from a dialog filter text such as
// "Text files|*.txt|All files|*.*". The text gets a terminator appended and
// every "|" becomes one, and the dialog reads name and pattern strings in turn
// up to the first empty string. So a "|" typed inside a name or pattern splits
// it there and shifts every later pair, and a name left without a pattern ends
// the list. An empty text offers no types.
std::vector<FileFilter> fileFilters(const QString& filterText);

// The patterns of a filter's pattern text: the pieces between ";", each kept
// exactly, blanks included; empty pieces are no patterns.
QStringList filterPatterns(const QString& pattern);

// Whether a file name matches one of the patterns, ignoring case: "*" stands for any run of characters, "?" for one
// character, every other character (brackets, quotes, backslashes, blanks) for itself, and "*.*" for every name.
bool matchesFilterPatterns(const QString& fileName, const QStringList& patterns);

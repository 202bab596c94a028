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

// The filters as Qt name filters "Name (p1 p2)". "*.*" becomes "*": it stands
// for every file, also those whose names have no dot.
QStringList qtNameFilters(const std::vector<FileFilter>& filters);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/file_filters.h"

#include <algorithm>

std::vector<FileFilter> fileFilters(const QString& filterText) {
  // The strings the platform sees, the last one the empty string that the
  // appended terminator ends.
  const QStringList strings = (filterText + QLatin1Char('|')).split(QLatin1Char('|'));
  std::vector<FileFilter> filters;
  for (qsizetype i = 0; i + 1 < strings.size(); i += 2) {
    if (strings[i].isEmpty() || strings[i + 1].isEmpty()) break;
    filters.push_back({strings[i], strings[i + 1]});
  }
  return filters;
}

namespace {

// Whether `name` matches the wildcard `pattern` from `p` on, ignoring case: "*"
// stands for any run of characters, "?" for one, every other character for
// itself. A star is retried one character further on each mismatch, so the
// work stays proportional to the lengths' product.
bool matchesWildcard(QStringView name, QStringView pattern) {
  qsizetype n = 0, p = 0, starPattern = -1, starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == u'*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
      ++n;
      ++p;
    } else if (starPattern >= 0) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

}  // namespace

QStringList filterPatterns(const QString& pattern) { return pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts); }

bool matchesFilterPatterns(const QString& fileName, const QStringList& patterns) {
  // "*.*" stands for every file, also one whose name has no dot.
  return std::ranges::any_of(
      patterns, [&](const QString& item) { return item == QLatin1String("*.*") || matchesWildcard(fileName, item); });
}

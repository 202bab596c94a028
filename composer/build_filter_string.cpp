// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/build_filter_string.h"

std::string BuildFilterString(const FilterRows& rows) {
  std::string filter;
  for (const FilterRow& row : rows) {
    if (row.name.empty()) break;
    filter += row.name;
    filter += '|';
    filter += row.pattern;
    filter += '|';
  }
  if (!filter.empty()) filter.pop_back();
  return filter;
}

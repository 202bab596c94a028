// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/variable_name_rule.h"

std::string VariableNameRule(const std::string& name) {
  for (char c : name)
    if ((c >= '0' && c <= '9') || c == ' ') return "Result";
  return name;
}

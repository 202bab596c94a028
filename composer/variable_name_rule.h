// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>

// The correction applied when a variable field loses the focus: a name that
// contains a decimal digit or a blank is replaced whole by "Result"; every other
// name, the empty one included, stays as it is.
std::string VariableNameRule(const std::string& name);

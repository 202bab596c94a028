#pragma once

#include <string>

// The correction applied when a variable field loses the focus: a name that
// contains a decimal digit or a blank is replaced whole by "Result"; every other
// name, the empty one included, stays as it is.
std::string VariableNameRule(const std::string& name);

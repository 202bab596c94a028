#pragma once

#include <string>
#include <vector>

// The source lines a generator produces, in order, each without line terminator.
using CodeBlock = std::vector<std::string>;

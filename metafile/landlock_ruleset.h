// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>
#include <vector>

enum class LandlockResult { Enforced, Unsupported, Failed };

// Confines the calling process and every process it starts, for good, to
// reading files beneath `folders`: any other file fails to open with EACCES,
// and nothing can be written, created, removed, renamed or run anywhere.
// Files already open stay usable. Unsupported when the kernel has no
// Landlock or it is switched off.
LandlockResult restrictFilesToReadingBeneath(const std::vector<std::string>& folders);

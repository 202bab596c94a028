// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <string>

// The dialog filter text of one file dialog page: "name|pattern" pairs joined by
// "|", taken in order up to the first row whose name is empty.
std::string BuildFilterString(const FilterRows& rows);

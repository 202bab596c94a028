// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <stdexcept>

// A failure that ends a preview before its dialog appears; what() is the exact
// text that the application's error report shows (a full stop is added there).
class PreviewError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

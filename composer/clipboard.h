// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string>

// The one clipboard operation the Copy action needs: replace the clipboard's
// contents with a plain text. The window supplies the platform's clipboard.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const std::string& text) = 0;
};

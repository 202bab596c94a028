// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/clipboard.h"

// The Copy action's clipboard on the desktop: the application clipboard's plain text.
class QtClipboard : public Clipboard {
 public:
  void setText(const std::string& text) override;
};

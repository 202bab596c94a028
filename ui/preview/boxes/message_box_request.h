// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <QString>
#include <cstdint>

// One call of the platform's message box: text, caption and style word. Empty
// texts stay empty texts, never absent ones, so the box shows no default title.
struct MessageBoxRequest {
  QString text;  // the whole text, hard line breaks as CR LF
  QString caption;
  std::uint32_t type = 0;
};

MessageBoxRequest messageBoxRequest(const MessageBoxSettings& settings);

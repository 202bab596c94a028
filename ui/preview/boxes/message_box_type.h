// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class MessageBoxButton { OK, Cancel, Abort, Retry, Ignore, Yes, No };

// What a message-box style word asks for, decoded the way the platform's
// message box reads it.
struct MessageBoxType {
  IconChoice icon = IconChoice::NoIcon;
  std::vector<MessageBoxButton> buttons;  // in the order the box shows them
  std::size_t defaultButton = 0;          // index into buttons
  // The button that Escape and the close box press: Cancel where the set has
  // one, OK for the OK-only set, none otherwise (the box must be answered).
  std::optional<MessageBoxButton> escapeButton;
  bool systemModal = false;
};

MessageBoxType decodeMessageBoxType(std::uint32_t type);

// "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&Yes", "&No".
QString messageBoxButtonText(MessageBoxButton button);

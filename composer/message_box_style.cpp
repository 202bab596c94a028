// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "message_box_style.h"

#include "button_choice.h"

std::uint32_t iconChoiceValue(IconChoice icon) {
  switch (icon) {
    case IconChoice::Information:
      return 0x40;
    case IconChoice::Question:
      return 0x20;
    case IconChoice::Error:
      return 0x10;
    case IconChoice::Warning:
      return 0x30;
    case IconChoice::NoIcon:
      return 0;
  }
  return 0;
}

std::uint32_t MessageBoxStyle(const MessageBoxSettings& settings) {
  std::uint32_t style = settings.systemModal ? MB_SYSTEMMODAL : 0;
  style += iconChoiceValue(settings.icon);
  style += buttonChoiceValue(settings.buttons);
  return style;
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/message_box_style.h"

#include "composer/button_choice.h"

std::uint32_t iconChoiceValue(IconChoice icon) {
  switch (icon) {
    case IconChoice::Information:
      return MB_ICONINFORMATION;
    case IconChoice::Question:
      return MB_ICONQUESTION;
    case IconChoice::Error:
      return MB_ICONERROR;
    case IconChoice::Warning:
      return MB_ICONWARNING;
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

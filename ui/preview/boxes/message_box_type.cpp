// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/message_box_type.h"

#include "composer/message_box_style.h"

#include <algorithm>

namespace {

std::vector<MessageBoxButton> buttonSet(std::uint32_t type) {
  using B = MessageBoxButton;
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {B::OK, B::Cancel};
    case MB_ABORTRETRYIGNORE:
      return {B::Abort, B::Retry, B::Ignore};
    case MB_YESNOCANCEL:
      return {B::Yes, B::No, B::Cancel};
    case MB_YESNO:
      return {B::Yes, B::No};
    case MB_RETRYCANCEL:
      return {B::Retry, B::Cancel};
    default:
      return {B::OK};
  }
}

IconChoice icon(std::uint32_t type) {
  for (IconChoice choice : {IconChoice::Information, IconChoice::Question, IconChoice::Error, IconChoice::Warning})
    if ((type & MB_ICONMASK) == iconChoiceValue(choice)) return choice;
  return IconChoice::NoIcon;
}

std::optional<MessageBoxButton> escapeButton(const std::vector<MessageBoxButton>& buttons) {
  if (std::ranges::find(buttons, MessageBoxButton::Cancel) != buttons.end()) return MessageBoxButton::Cancel;
  if (buttons == std::vector{MessageBoxButton::OK}) return MessageBoxButton::OK;
  return std::nullopt;
}

}  // namespace

MessageBoxType decodeMessageBoxType(std::uint32_t type) {
  MessageBoxType decoded;
  decoded.icon = icon(type);
  decoded.buttons = buttonSet(type);
  // A default button beyond the set falls back to the first one.
  const std::size_t defaultButton = (type & MB_DEFMASK) / MB_DEFBUTTON2;
  decoded.defaultButton = defaultButton < decoded.buttons.size() ? defaultButton : 0;
  decoded.escapeButton = escapeButton(decoded.buttons);
  decoded.systemModal = (type & MB_SYSTEMMODAL) != 0;
  return decoded;
}

QString messageBoxButtonText(MessageBoxButton button) {
  switch (button) {
    case MessageBoxButton::OK:
      return QStringLiteral("OK");
    case MessageBoxButton::Cancel:
      return QStringLiteral("Cancel");
    case MessageBoxButton::Abort:
      return QStringLiteral("&Abort");
    case MessageBoxButton::Retry:
      return QStringLiteral("&Retry");
    case MessageBoxButton::Ignore:
      return QStringLiteral("&Ignore");
    case MessageBoxButton::Yes:
      return QStringLiteral("&Yes");
    case MessageBoxButton::No:
      return QStringLiteral("&No");
  }
  return {};
}

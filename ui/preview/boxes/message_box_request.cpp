// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/message_box_request.h"

#include "composer/message_box_style.h"

MessageBoxRequest messageBoxRequest(const MessageBoxSettings& settings) {
  return {QString::fromStdString(settings.text), QString::fromStdString(settings.caption), MessageBoxStyle(settings)};
}

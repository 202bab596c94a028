// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/input_box_request.h"

InputBoxRequest inputBoxRequest(const InputBoxSettings& settings) {
  return {QString::fromStdString(settings.caption), QString::fromStdString(settings.prompt),
          QString::fromStdString(settings.defaultText)};
}

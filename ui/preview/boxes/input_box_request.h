// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <QString>

// The input box the generated InputBox call shows: caption, prompt and the
// default answer, in this order.
struct InputBoxRequest {
  QString caption;
  QString prompt;
  QString defaultText;
};

InputBoxRequest inputBoxRequest(const InputBoxSettings& settings);

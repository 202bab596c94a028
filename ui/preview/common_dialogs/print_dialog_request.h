// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

// What the print dialog offers beyond the printer and its settings.
struct PrintDialogRequest {
  bool printToFile = false;  // the print-to-file choice, unchecked; hidden otherwise
};

PrintDialogRequest printDialogRequest(const CommonDialogSettings& settings);

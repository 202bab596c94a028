// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

// Which fonts the font dialog lists.
struct FontDialogRequest {
  bool screenFonts = true;
  bool printerFonts = true;  // the current printer's, so the dialog needs a printer
};

FontDialogRequest fontDialogRequest(FontDevice device);

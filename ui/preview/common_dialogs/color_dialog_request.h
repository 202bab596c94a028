// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

// How the colour dialog offers the part that defines custom colours (the
// picker, its values, screen picking and "Add to Custom Colors"). Qt's dialog
// knows no solid-colour modes, so the non-solid and nearest-solid options
// change nothing in it.
struct ColorDialogRequest {
  bool definitionShown = false;    // shown from the start
  bool definitionOffered = false;  // hidden, and "Define Custom Colors >>" reveals it
};

// Follows the options as they are; the window's coupling of the check boxes is
// not enforced here.
ColorDialogRequest colorDialogRequest(const CommonDialogSettings& settings);

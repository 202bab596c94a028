// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "color_dialog_request.h"

// Which parts of the colour dialog the flags give: the part that defines
// custom colours (Qt's picker, its values, screen picking and "Add to Custom
// Colors") starts shown with full open; otherwise the "Define Custom Colors >>"
// button reveals it, unless full open is prevented.
struct ColorDialogParts {
  bool definitionShown = false;
  bool defineButtonEnabled = false;
};

ColorDialogParts colorDialogParts(std::uint32_t flags);

// Shows the colour dialog of the request as a common dialog.
void showColorDialog(const ColorDialogRequest& request);

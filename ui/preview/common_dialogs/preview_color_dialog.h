// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/preview/common_dialogs/color_dialog_request.h"

// Shows the colour dialog of the request as a common dialog.
void showColorDialog(const ColorDialogRequest& request);

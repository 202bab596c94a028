// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/color_dialog_request.h"

ColorDialogRequest colorDialogRequest(const CommonDialogSettings& settings) {
  // Showing the custom colours opens the dialog in full; without it, the
  // button opens it unless custom colours are not allowed.
  return {settings.showCustomColors, !settings.showCustomColors && settings.allowCustomColors};
}

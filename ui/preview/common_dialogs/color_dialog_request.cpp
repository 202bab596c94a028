// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "color_dialog_request.h"

ColorDialogRequest colorDialogRequest(const CommonDialogSettings& settings) {
  ColorDialogRequest request;
  request.flags = CC_RGBINIT | CC_ENABLEHOOK;
  if (!settings.allowCustomColors) request.flags |= CC_PREVENTFULLOPEN;
  if (settings.showCustomColors) request.flags |= CC_FULLOPEN;
  if (settings.allowNonSolidColors) request.flags |= CC_ANYCOLOR;
  if (settings.useNearestSolidColor) request.flags |= CC_SOLIDCOLOR;
  request.customColors.fill(unsetCustomColor);
  return request;
}

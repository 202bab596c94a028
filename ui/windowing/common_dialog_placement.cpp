// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common_dialog_placement.h"

QPoint commonDialogPosition(const QRect& screen, QSize window) {
  return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3);
}

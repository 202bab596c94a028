// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "centred_on_screen.h"

#include <algorithm>

QPoint centredOnScreen(QSize screen, QSize window) {
  return {std::max(0, (screen.width() - window.width()) / 2), std::max(0, (screen.height() - window.height()) / 2)};
}

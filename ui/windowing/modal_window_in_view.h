// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWidget;

// Keeps a modal window in view while it is open: when the window manager minimises it,
// it is shown again at once. The window blocks the program's other windows; minimised,
// it would leave them disabled with nothing on the screen to close. The program asks for
// no minimise button, but some window managers (openbox) offer one whatever a window
// asks for. The keeper belongs to the window.
void keepModalWindowInView(QWidget& window);

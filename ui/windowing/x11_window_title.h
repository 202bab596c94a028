// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWidget;

// Makes the title bar of a shown top-level window truly empty on X11. Qt
// writes the application name as _NET_WM_NAME when a title is empty, so both
// WM_NAME and _NET_WM_NAME are written empty after the window exists; a later
// setWindowTitle undoes it. Does nothing on other platforms.
void clearX11WindowTitle(QWidget* window);

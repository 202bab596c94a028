// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Keeps the program from having a D-Bus session bus started for it where none
// runs; call it before the application object is made.
void keepSessionBusFromAutolaunching();

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFont>

// The fonts of the splash window and the About box. Sizes are character heights in
// pixels, like the windows' layouts.

// The product name: "Arial" (or its metric-compatible stand-in), bold.
QFont productNameFont(int pixels);

// The window font in smaller type, for the legal line.
QFont smallTypeFont(int pixels);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFont>

// The fonts of the composer window, in pixels like its layout, so that both scale
// together on high-DPI screens. (A form holds whole points only.)

// The font of the whole window and of every control on it: the default window font at
// the 96 dots per inch the layout was drawn for (11 pixels).
QFont composerWindowFont();

// The creator caption in the header: 27 pixels, bold italic.
QFont creatorHeaderFont();

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Keeps the program's copied text on the X11 clipboard after the program has ended; called
// once the user-interface loop has returned, while the application still exists. Where a
// clipboard manager runs, Qt hands the clipboard over to it as the application ends (the
// clipboard-manager protocol's SAVE_TARGETS request); where none runs, the clipboard keeper
// beside the executable takes the text over. Does nothing when the clipboard is no longer
// the program's, or off X11.
void keepClipboardAfterExit();

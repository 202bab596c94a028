// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <memory>

class QPrinter;

// The program's one printer selection, used by the font and print previews.
// It is made on first use from the system's default printer and replaced by
// the printer and settings of a confirmed print dialog. It lasts as long as
// the application object and is destroyed first thing when that is destroyed;
// nothing of it is kept when the program ends.

// The current printer. Throws PreviewError "There is no default printer
// currently selected" when it does not exist yet and no installed printer has
// the default printer's name; a later call tries again.
QPrinter& currentPrinter();

// Throws PreviewError "Printer selected is not valid" unless the printer is
// still installed, so that its fonts can be listed.
void checkPrinterUsable(const QPrinter& printer);

// A new printer with the current printer's device and settings, for a print
// dialog to change without touching the current one.
std::unique_ptr<QPrinter> copyOfCurrentPrinter();

// Makes the printer of a confirmed print dialog the current printer. Printing
// to a file is an output choice, not a device: the device stays the same then.
void adoptConfirmedPrinter(std::unique_ptr<QPrinter> printer);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QFont;

// Dialog windows are laid out in dialog units measured from their font.
struct DialogUnits {
  int x = 0;  // average width of the letters A-Z and a-z, remainder dropped
  int y = 0;  // height of a line of text
};

// `alphabetWidth` is the width of "A...Za...z" measured as one text.
DialogUnits dialogUnits(int alphabetWidth, int textHeight);

// The dialog units of `font`.
DialogUnits measureDialogUnits(const QFont& font);

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/dialog_units.h"

#include <QFontMetrics>

namespace {

constexpr int alphabetLength = 52;

}  // namespace

DialogUnits dialogUnits(int alphabetWidth, int textHeight) { return {alphabetWidth / alphabetLength, textHeight}; }

DialogUnits measureDialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  return dialogUnits(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                     metrics.height());
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/one_line_field.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

bool isLineBreak(QChar character) {
  return character == QLatin1Char('\n') || character == QLatin1Char('\r') || character == QChar::LineSeparator ||
         character == QChar::ParagraphSeparator;
}

// A field asks its validator about every change of its text, with the caret after what was
// just inserted; a validator may rewrite the text. The field held no line break before the
// change, so every break came with the inserted text, which ends at the caret: keeping the
// text before the first break and the text after the caret keeps the inserted text's first
// line and everything the field held.
class FirstLineValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& text, int& position) const override {
    const auto lineBreak = std::find_if(text.cbegin(), text.cend(), isLineBreak);
    if (lineBreak == text.cend()) return Acceptable;
    const int start = static_cast<int>(lineBreak - text.cbegin());
    const int end = position > start ? position : static_cast<int>(text.size());
    text.remove(start, end - start);
    position = start;
    return Acceptable;
  }
};

}  // namespace

void keepOneLine(QLineEdit* field) { field->setValidator(new FirstLineValidator(field)); }

void keepOneLineFields(QWidget* window) {
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) keepOneLine(field);
}

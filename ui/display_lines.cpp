// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/display_lines.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

namespace {

constexpr qsizetype maxLineLength = 4096;

QStringList paragraphs(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text.split(u'\n');
}

std::string cutLine(QString line) {
  if (line.size() > maxLineLength)
    line.truncate(line.at(maxLineLength - 1).isHighSurrogate() ? maxLineLength - 1 : maxLineLength);
  return line.toStdString();
}

// Lays a paragraph out as the text box does (its document's default option wraps at word
// boundaries, or anywhere when a word is longer than the line) and appends its lines.
void appendParagraphLines(std::vector<std::string>& lines, const QString& paragraph, const QFont& font, int textWidth) {
  QTextLayout layout(paragraph, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(textWidth);
    lines.push_back(cutLine(paragraph.mid(line.textStart(), line.textLength())));
  }
  layout.endLayout();
}

}  // namespace

std::vector<std::string> displayLines(const QString& text, const QFont& font, int textWidth) {
  std::vector<std::string> lines;
  for (const QString& paragraph : paragraphs(text)) appendParagraphLines(lines, paragraph, font, textWidth);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

QString plainTextEditText(const QPlainTextEdit& box) {
  // The raw text separates the paragraphs with U+2029; a U+2028 inside one is a line break too.
  QString text = box.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

int plainTextEditTextWidth(const QPlainTextEdit& box) {
  return qFloor(box.contentsRect().width() - 2 * box.document()->documentMargin());
}

QString withCrLfLineBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

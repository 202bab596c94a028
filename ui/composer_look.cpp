#include "composer_look.h"

namespace {

QFont liberationSans() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont composerWindowFont() {
  QFont font = liberationSans();
  font.setPixelSize(11);
  return font;
}

QFont creatorHeaderFont() {
  QFont font = liberationSans();
  font.setPixelSize(27);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

QColor applicationWorkspaceColor() { return QColor(128, 128, 128); }

QColor highlightTextColor() { return QColor(255, 255, 255); }

QColor statusTextColor() { return QColor(255, 0, 0); }

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/boxes/preview_message_box.h"

#include "ui/preview/boxes/message_box_text.h"
#include "ui/preview/boxes/message_box_type.h"
#include "ui/windowing/x11_window_title.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

QMessageBox::Icon qtIcon(IconChoice icon) {
  switch (icon) {
    case IconChoice::Information:
      return QMessageBox::Information;
    case IconChoice::Question:
      return QMessageBox::Question;
    case IconChoice::Error:
      return QMessageBox::Critical;
    case IconChoice::Warning:
      return QMessageBox::Warning;
    case IconChoice::NoIcon:
      return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

// What a screen reader calls the box's icon: its kind, as the composer names it.
QString iconName(IconChoice icon) {
  switch (icon) {
    case IconChoice::Information:
      return QStringLiteral("Information");
    case IconChoice::Question:
      return QStringLiteral("Question");
    case IconChoice::Error:
      return QStringLiteral("Error");
    case IconChoice::Warning:
      return QStringLiteral("Warning");
    case IconChoice::NoIcon:
      break;
  }
  return {};
}

// The text the box lays out: what can show on its screen.
QString displayedText(const QString& text, const QScreen& screen, const QFontMetrics& metrics) {
  const QRect area = screen.geometry();
  const int maxLines = area.height() / metrics.lineSpacing() + 1;
  const int narrowest = std::max(1, metrics.horizontalAdvance(QLatin1Char('i')));
  return visibleMessageText(text, maxLines, maxLines * (area.width() / narrowest));
}

}  // namespace

PreviewMessageBox::PreviewMessageBox(const MessageBoxRequest& request, QWidget* owner) : QMessageBox(owner) {
  const MessageBoxType type = decodeMessageBoxType(request.type);
  setWindowTitle(request.caption);
  setTextFormat(Qt::PlainText);
  setText(displayedText(request.text, *screen(), fontMetrics()));
  setIcon(qtIcon(type.icon));
  if (auto* iconLabel = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
    iconLabel->setAccessibleName(iconName(type.icon));
  setWindowModality(Qt::ApplicationModal);
  // One role for every button keeps them in the order they are added; the
  // role-based layouts would reorder them.
  for (std::size_t i = 0; i < type.buttons.size(); ++i) {
    QPushButton* button = addButton(messageBoxButtonText(type.buttons[i]), QMessageBox::ActionRole);
    if (i == type.defaultButton) setDefaultButton(button);
    if (type.buttons[i] == type.escapeButton) setEscapeButton(button);
  }
  if (!type.escapeButton) setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
  if (type.systemModal) setWindowFlag(Qt::WindowStaysOnTopHint);
}

void PreviewMessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);
  fitOnScreen();
  if (windowTitle().isEmpty()) clearX11WindowTitle(this);
}

void PreviewMessageBox::fitOnScreen() {
  // The box sizes itself to its text again on every layout request, so the
  // text label's height is what limits it.
  const int excess = frameGeometry().height() - screen()->availableGeometry().height();
  auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (excess > 0 && label) label->setMaximumHeight(std::max(0, label->height() - excess));
}

void showMessageBox(const MessageBoxRequest& request, QWidget* owner) {
  PreviewMessageBox box(request, owner);
  box.exec();
}

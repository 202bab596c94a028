// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

class LinkLabelAccessible : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {
    addControllingSignal(QStringLiteral("activated()"));
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return link()->text();
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

  void doAction(const QString& action) override {
    if (action == pressAction())
      emit link()->activated();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkLabelAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(LinkLabel::staticMetaObject.className())) return nullptr;
  return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  [[maybe_unused]] static const bool factoryInstalled = [] {
    QAccessible::installFactory(linkLabelAccessible);
    return true;
  }();
  setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit activated();
      break;
    default:
      QLabel::keyPressEvent(event);
  }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/radio_speed_button.h"

#include <QAccessibleWidget>

namespace {

class RadioSpeedButtonAccessible : public QAccessibleWidget {
 public:
  explicit RadioSpeedButtonAccessible(RadioSpeedButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
      return button()->text().remove(QLatin1Char('&'));
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.focusable = true;  // the arrow keys reach every button of the group
    state.checked = button()->isChecked();
    return state;
  }

  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

  void doAction(const QString& action) override {
    if (action == pressAction())
      button()->click();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  RadioSpeedButton* button() const { return static_cast<RadioSpeedButton*>(widget()); }
};

QAccessibleInterface* radioSpeedButtonAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(RadioSpeedButton::staticMetaObject.className())) return nullptr;
  return new RadioSpeedButtonAccessible(static_cast<RadioSpeedButton*>(object));
}

}  // namespace

RadioSpeedButton::RadioSpeedButton(QWidget* parent) : QToolButton(parent) {
  [[maybe_unused]] static const bool factoryInstalled = [] {
    QAccessible::installFactory(radioSpeedButtonAccessible);
    return true;
  }();
  setCheckable(true);
  // Auto-exclusive as well as grouped: Qt's arrow keys then move to the neighbours,
  // which take no Tab focus while they are up.
  setAutoExclusive(true);
  connect(this, &QToolButton::toggled, this, &RadioSpeedButton::followDownState);
}

// Only the button that is down is a Tab stop. Every button keeps Tab focus until its form
// is set up, because a form places only buttons that take focus in its tab order; the
// window polishes its buttons when it is first shown.
bool RadioSpeedButton::event(QEvent* event) {
  if (event->type() == QEvent::Polish) followDownState();
  return QToolButton::event(event);
}

void RadioSpeedButton::followDownState() { setFocusPolicy(isChecked() ? Qt::TabFocus : Qt::NoFocus); }

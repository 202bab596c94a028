// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "radio_speed_button.h"

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
}

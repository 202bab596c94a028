// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/access_key_dispatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>

namespace {

bool isLetterOrDigit(int key) {
  return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
}

// The key a control answers to: the underlined letter of a button's caption or of the
// caption of a label that has a field.
int accessKeyOf(const QWidget& control) {
  QString caption;
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->buddy()) caption = label->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    caption = button->text();
  }
  const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
  return mnemonic.isEmpty() ? 0 : mnemonic[0].key();
}

bool isShownAndEnabled(const QWidget& control, const QWidget& window) {
  return control.isEnabled() && control.isVisibleTo(&window);
}

bool canTakeAccessKey(const QWidget& control, const QWidget& window) {
  if (!isShownAndEnabled(control, window)) return false;
  const auto* label = qobject_cast<const QLabel*>(&control);
  return !label || isShownAndEnabled(*label->buddy(), window);
}

void takeAccessKey(QWidget& control) {
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    label->buddy()->setFocus(Qt::ShortcutFocusReason);
  } else if (auto* box = qobject_cast<QCheckBox*>(&control)) {
    box->setFocus(Qt::ShortcutFocusReason);
    box->click();
  } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
    button->click();
  }
}

bool focusTakesTypedText() {
  const QWidget* focus = QApplication::focusWidget();
  return focus && !qobject_cast<const QAbstractButton*>(focus) && !qobject_cast<const QTabBar*>(focus);
}

}  // namespace

AccessKeyDispatch::AccessKeyDispatch(QWidget* window, OfferedControls offeredControls)
    : QObject(window), window_(window), offeredControls_(std::move(offeredControls)) {
  qApp->installEventFilter(this);
}

bool AccessKeyDispatch::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  const auto* receiver = qobject_cast<const QWidget*>(watched);
  if (!receiver || receiver->window() != window_) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!isAccessKey(*key)) return false;
  if (type == QEvent::ShortcutOverride) {
    // Keeps Qt's own mnemonics out: the key then arrives as a key press, handled below.
    key->accept();
    return true;
  }
  dispatch(key->key());
  return true;
}

bool AccessKeyDispatch::isAccessKey(const QKeyEvent& key) {
  if (!isLetterOrDigit(key.key())) return false;
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (modifiers == Qt::AltModifier) return true;
  return modifiers == Qt::NoModifier && !focusTakesTypedText();
}

void AccessKeyDispatch::dispatch(int key) const {
  for (QWidget* control : offeredControls_()) {
    if (accessKeyOf(*control) == key && canTakeAccessKey(*control, *window_)) {
      takeAccessKey(*control);
      return;
    }
  }
}

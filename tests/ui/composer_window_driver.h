// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/fmMainUn.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

// Drives a shown composer window the way a user does: controls found by name, mouse
// clicks, keys sent to whatever control has the focus.
class ComposerWindowDriver {
 public:
  ComposerWindowDriver() : window_(std::make_unique<TfmMain>()) {
    window_->show();
    active_ = QTest::qWaitForWindowActive(window_.get());
  }

  bool isActive() const { return active_; }
  TfmMain& window() { return *window_; }

  // Presses a creator's button ("MessageBox", "InputBox", "CommonDialog") and shows one of
  // its pages, leaving the focus on the tab bar, where no text is typed.
  void showPage(const QString& creator, int page) {
    click((QStringLiteral("sb") + creator).toLatin1());
    clickTab((QStringLiteral("pc") + creator).toLatin1(), page);
    QCOMPARE(focusName(), QStringLiteral("pc") + creator);
  }

  template <class Control>
  Control* find(const char* name) {
    auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
    if (!control) qFatal("The composer window has no control named %s", name);
    return control;
  }

  void click(const char* name) { click(find<QWidget>(name)); }

  void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center()); }

  void clickTab(const char* pageControl, int index) {
    QTabBar* tabs = find<QTabWidget>(pageControl)->tabBar();
    // A tab scrolled out of sight is brought into view first, as the scroll arrows would.
    if (!tabs->rect().contains(tabs->tabRect(index))) tabs->setCurrentIndex(index);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }

  // Puts the mouse into an edit, a combo box or a text box and types there.
  void typeInto(const char* name, const QString& text) {
    QWidget* field = find<QWidget>(name);
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    click(field);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }

  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window_.get(), static_cast<Qt::Key>(key), modifiers);
  }

  void altKey(char letter) { key(Qt::Key_A + (letter - 'A'), Qt::AltModifier); }

  // The name of the control that has the focus; a tab bar or a combo box's edit answers
  // with the name of the control it belongs to.
  QString focusName() const {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus) return QString();
    if (qobject_cast<const QTabBar*>(focus) || qobject_cast<const QComboBox*>(focus->parentWidget()))
      focus = focus->parentWidget();
    return focus->objectName();
  }

  QByteArray clipboard() const { return QGuiApplication::clipboard()->text().toUtf8(); }

 private:
  std::unique_ptr<TfmMain> window_;
  bool active_ = false;
};

// A test class that meets a fresh, active composer window in every test function, with
// "earlier" on the clipboard, and leaves no window behind.
class ComposerWindowTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<ComposerWindowDriver> ui;

 private slots:
  void init() {
    ui = std::make_unique<ComposerWindowDriver>();
    QVERIFY(ui->isActive());
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
  }

  void cleanup() {
    ui.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/message_box_style.h"

#include <QtTest>

Q_DECLARE_METATYPE(IconChoice)
Q_DECLARE_METATYPE(ButtonChoice)

// The style word: system-modal flag, icon and button choice added together.
class TestMessageBoxStyle : public QObject {
  Q_OBJECT

 private slots:
  void styleWordSumsSystemModalIconAndButtons_data() {
    QTest::addColumn<bool>("systemModal");
    QTest::addColumn<IconChoice>("icon");
    QTest::addColumn<ButtonChoice>("buttons");
    QTest::addColumn<uint>("style");
    QTest::newRow("defaults") << false << IconChoice::Information << ButtonChoice::OK_OK << 64u;
    QTest::newRow("question, No of Yes/No/Cancel")
        << false << IconChoice::Question << ButtonChoice::No_YesNoCancel << 291u;
    QTest::newRow("error") << false << IconChoice::Error << ButtonChoice::OK_OK << 16u;
    QTest::newRow("no icon, OK") << false << IconChoice::NoIcon << ButtonChoice::OK_OK << 0u;
    QTest::newRow("system-modal warning Cancel_YesNoCancel")
        << true << IconChoice::Warning << ButtonChoice::Cancel_YesNoCancel << 4659u;
    QTest::newRow("largest word") << true << IconChoice::Information << ButtonChoice::Cancel_YesNoCancel << 4675u;
    QTest::newRow("system-modal alone") << true << IconChoice::NoIcon << ButtonChoice::OK_OK << 4096u;
    QTest::newRow("warning, Cancel of Retry/Cancel")
        << false << IconChoice::Warning << ButtonChoice::Cancel_RetryCancel << 309u;
    QTest::newRow("system-modal question, Ignore of Abort/Retry/Ignore")
        << true << IconChoice::Question << ButtonChoice::Ignore_AbortRetryIgnore << 4642u;
  }

  void styleWordSumsSystemModalIconAndButtons() {
    MessageBoxSettings m;
    QFETCH(bool, systemModal);
    QFETCH(IconChoice, icon);
    QFETCH(ButtonChoice, buttons);
    m.systemModal = systemModal;
    m.icon = icon;
    m.buttons = buttons;
    QTEST(uint(MessageBoxStyle(m)), "style");
  }
};

QTEST_GUILESS_MAIN(TestMessageBoxStyle)
#include "test_message_box_style.moc"

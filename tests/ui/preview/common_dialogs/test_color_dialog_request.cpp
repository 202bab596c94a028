// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/color_dialog_request.h"

#include <QtTest>

class TestColorDialogRequest : public QObject {
  Q_OBJECT

 private slots:
  void customColoursAreDefinedAsTheOptionsAllow_data() {
    QTest::addColumn<bool>("allowCustom");
    QTest::addColumn<bool>("showCustom");
    QTest::addColumn<bool>("definitionShown");
    QTest::addColumn<bool>("definitionOffered");
    QTest::newRow("defaults: no custom colours can be defined") << false << false << false << false;
    QTest::newRow("allowed: the button reveals the definition") << true << false << false << true;
    QTest::newRow("allowed and shown: open in full") << true << true << true << false;
    QTest::newRow("shown though not allowed: open in full all the same") << false << true << true << false;
  }
  void customColoursAreDefinedAsTheOptionsAllow() {
    QFETCH(bool, allowCustom);
    QFETCH(bool, showCustom);
    QFETCH(bool, definitionShown);
    QFETCH(bool, definitionOffered);
    CommonDialogSettings settings;
    settings.allowCustomColors = allowCustom;
    settings.showCustomColors = showCustom;
    const ColorDialogRequest request = colorDialogRequest(settings);
    QCOMPARE(request.definitionShown, definitionShown);
    QCOMPARE(request.definitionOffered, definitionOffered);
  }
};

QTEST_APPLESS_MAIN(TestColorDialogRequest)
#include "test_color_dialog_request.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "tests/support/private_cups_server.h"
#include "tests/support/test_support.h"
#include "ui/error_report.h"
#include "ui/preview/show_preview.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ComposerSettings)

// Every preview opened and closed once on a Wayland compositor, where Qt's
// dialogs lack children they have on X11 (the colour dialog's screen picking).
// No printer is installed, so the print preview and the font preview of all
// fonts show the error report.
class TestPreviewWayland : public QObject {
  Q_OBJECT

  PrivateCupsServer cups_;

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY2(cups_.error().isEmpty(), qPrintable(cups_.error()));
  }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void everyPreviewOpensAndCloses_data() {
    QTest::addColumn<ComposerSettings>("settings");
    QTest::addColumn<bool>("errorReport");
    ComposerSettings messageBox = defaults();
    messageBox.messageBox.buttons = ButtonChoice::Yes_YesNo;
    QTest::newRow("message box") << messageBox << false;
    ComposerSettings inputBox = defaults();
    inputBox.activeCreator = CreatorKind::InputBox;
    QTest::newRow("input box") << inputBox << false;
    QTest::newRow("open") << commonDialogSettings(DialogKind::Open) << false;
    QTest::newRow("save") << commonDialogSettings(DialogKind::Save) << false;
    QTest::newRow("open picture") << commonDialogSettings(DialogKind::OpenPicture) << false;
    QTest::newRow("save picture") << commonDialogSettings(DialogKind::SavePicture) << false;
    ComposerSettings screenFonts = commonDialogSettings(DialogKind::Font);
    screenFonts.commonDialog.fontDevice = FontDevice::ScreenFontsOnly;
    QTest::newRow("font") << screenFonts << false;
    QTest::newRow("font without a printer") << commonDialogSettings(DialogKind::Font) << true;
    ComposerSettings color = commonDialogSettings(DialogKind::Color);
    QTest::newRow("colour") << color << false;
    color.commonDialog.allowCustomColors = true;
    QTest::newRow("colour, custom colours allowed") << color << false;
    color.commonDialog.showCustomColors = true;
    QTest::newRow("colour, full open") << color << false;
    QTest::newRow("print without a printer") << commonDialogSettings(DialogKind::Print) << true;
  }
  void everyPreviewOpensAndCloses() {
    QFETCH(ComposerSettings, settings);
    QFETCH(bool, errorReport);
    QWidget composer;
    composer.show();
    ModalDialogProbe probe([&](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle() == QStringLiteral("Quillmark 1.0"), errorReport);
      auto* define = dialog->findChild<QPushButton*>(u"defineCustomColorsButton"_s);
      if (define && define->isEnabled()) define->click();
    });
    runReportingErrors([&] { showPreview(settings, &composer); });
    QVERIFY(probe.seen());
  }
};

QTEST_MAIN(TestPreviewWayland)
#include "test_preview_wayland.moc"

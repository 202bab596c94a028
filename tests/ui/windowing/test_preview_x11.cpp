// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "modal_dialog_probe.h"
#include "show_preview.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QtTest>

Q_DECLARE_METATYPE(CreatorKind)

// Under X11: what the window manager reads as the title of the message box and
// the input box (Qt would write the program's name for an empty title), and
// that the keyboard returns to the composer window when a preview closes.
class TestPreviewX11 : public QObject {
  Q_OBJECT

  static QString titleProperties(QWidget* window) {
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window->winId()), "WM_NAME", "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000)) return QStringLiteral("xprop did not finish");
    return QString::fromUtf8(xprop.readAllStandardOutput());
  }

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server (run under xvfb-run)");
  }

  void theTitleBarShowsTheCaptionExactly_data() {
    QTest::addColumn<bool>("inputBox");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("properties");
    const QString empty = "WM_NAME(STRING) = \n_NET_WM_NAME(UTF8_STRING) = \n";
    const QString confirm = "WM_NAME(STRING) = \"Confirm\"\n_NET_WM_NAME(UTF8_STRING) = \"Confirm\"\n";
    QTest::newRow("message box, empty") << false << "" << empty;
    QTest::newRow("message box, text") << false << "Confirm" << confirm;
    QTest::newRow("input box, empty") << true << "" << empty;
    QTest::newRow("input box, text") << true << "Confirm" << confirm;
  }
  void theTitleBarShowsTheCaptionExactly() {
    QFETCH(bool, inputBox);
    QFETCH(QString, caption);
    QFETCH(QString, properties);
    QWidget composer;
    composer.show();
    ComposerSettings settings = defaults();
    settings.activeCreator = inputBox ? CreatorKind::InputBox : CreatorKind::MessageBox;
    settings.messageBox.caption = caption.toStdString();
    settings.inputBox.caption = caption.toStdString();
    ModalDialogProbe probe([&](QDialog* box) {
      QVERIFY(QTest::qWaitForWindowExposed(box));
      QCOMPARE(titleProperties(box), properties);
    });
    showPreview(settings, &composer);
    QVERIFY(probe.seen());
  }

  // Also without a window manager, which would otherwise hand the focus back.
  void theComposerWindowHasTheKeyboardAgainAfterwards_data() {
    QTest::addColumn<CreatorKind>("creator");
    QTest::newRow("message box") << CreatorKind::MessageBox;
    QTest::newRow("input box") << CreatorKind::InputBox;
    QTest::newRow("common dialog") << CreatorKind::CommonDialog;
  }

  void theComposerWindowHasTheKeyboardAgainAfterwards() {
    QFETCH(CreatorKind, creator);
    QWidget composer;
    composer.show();
    composer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&composer));
    ComposerSettings settings = defaults();
    settings.activeCreator = creator;
    settings.commonDialog.activeDialog = DialogKind::Color;
    // The user closes the dialog with a real key press, as the X server sees it.
    ModalDialogProbe probe([](QDialog* dialog) {
      QTRY_COMPARE(QApplication::activeWindow(), dialog);
      QCOMPARE(QProcess::execute("xdotool", {"key", "Escape"}), 0);
      QTRY_VERIFY(!dialog->isVisible());
    });
    showPreview(settings, &composer);
    QVERIFY(probe.seen());
    QTRY_COMPARE(QApplication::activeWindow(), &composer);
  }
};

QTEST_MAIN(TestPreviewX11)
#include "test_preview_x11.moc"

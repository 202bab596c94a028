// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "ui/preview/show_preview.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

// Under X11: what the window manager reads as the title of the input box (Qt
// would write the program's name for an empty title).
class TestPreviewX11 : public QObject {
  Q_OBJECT

  static QString titleProperties(QWidget* window) {
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"WM_NAME"_s, u"_NET_WM_NAME"_s});
    if (!xprop.waitForFinished(10000)) return QStringLiteral("xprop did not finish");
    return QString::fromUtf8(xprop.readAllStandardOutput());
  }

 private slots:
  void initTestCase() {
    if (QGuiApplication::platformName() != u"xcb"_s) QSKIP("needs an X server (run under xvfb-run)");
  }

  void theInputBoxTitleBarShowsTheCaptionExactly_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("properties");
    QTest::newRow("empty") << QString() << "WM_NAME(STRING) = \n_NET_WM_NAME(UTF8_STRING) = \n";
    QTest::newRow("text") << u"Confirm"_s << "WM_NAME(STRING) = \"Confirm\"\n_NET_WM_NAME(UTF8_STRING) = \"Confirm\"\n";
  }
  void theInputBoxTitleBarShowsTheCaptionExactly() {
    QFETCH(QString, caption);
    QFETCH(QString, properties);
    ComposerSettings settings = defaults();
    settings.activeCreator = CreatorKind::InputBox;
    settings.inputBox.caption = caption.toStdString();
    ModalDialogProbe probe([&](QDialog* box) {
      QVERIFY(QTest::qWaitForWindowExposed(box));
      QCOMPARE(titleProperties(box), properties);
    });
    showPreview(settings, nullptr);
    QVERIFY(probe.seen());
  }
};

QTEST_MAIN(TestPreviewX11)
#include "test_preview_x11.moc"

#include "modal_dialog_probe.h"
#include "show_preview.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QtTest>

// Under X11, what the window manager reads as the title of the message box
// and the input box. Qt would write the program's name for an empty title.
class TestWindowTitlesX11 : public QObject {
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
};

QTEST_MAIN(TestWindowTitlesX11)
#include "test_window_titles_x11.moc"

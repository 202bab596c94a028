// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/AboutUn.h"
#include "shell/SplashUn.h"
#include "tests/support/modal_dialog_probe.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace Qt::StringLiterals;

class TestAboutBox : public QObject {
  Q_OBJECT

  // The addresses that the desktop's opener was given, one a line.
  QStringList opened() const {
    QFile file(opener_.filePath(QStringLiteral("opened")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  // The status that the desktop's opener ends with from now on.
  void openerEndsWith(int status) {
    QFile file(opener_.filePath(QStringLiteral("status")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(status));
  }

 private slots:
  // The desktop's opener is replaced by one first on the path, which writes down what it
  // is given and ends with the status written for it.
  void initTestCase() {
    QVERIFY(opener_.isValid());
    QFile script(opener_.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\necho \"$1\" >>'%1/opened'\nexit $(cat '%1/status')\n").arg(opener_.path()).toUtf8());
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(opener_.path()) + ':' + qgetenv("PATH"));
  }
  void init() {
    auto splash = std::make_unique<TfmSplash>();
    about_ = std::make_unique<TfmAbout>(*splash);
  }
  void cleanup() {
    about_.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void showsTheSplashPicturesAfterTheSplashIsGone_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("picture");
    QTest::newRow("logo") << u"imLogo"_s << u":/pictures/quillmark_logo.png"_s;
    QTest::newRow("banner") << u"imBanner"_s << u":/pictures/maker_banner.png"_s;
  }
  void showsTheSplashPicturesAfterTheSplashIsGone() {
    QFETCH(QString, image);
    QFETCH(QString, picture);
    const auto* label = about_->findChild<QLabel*>(image);
    QVERIFY(label);
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
    QCOMPARE(label->size(), expected.size());
  }

  // Both windows name the version the build gives.
  void splashWindowAndAboutBoxShowVersionOne() {
    QCOMPARE(about_->findChild<QLabel*>(u"laVersion"_s)->text(), QStringLiteral("Version 1.0"));
    QCOMPARE(TfmSplash().findChild<QLabel*>(u"laVersion"_s)->text(), QStringLiteral("Version 1.0"));
  }

  // The splash window, frameless to the window manager, draws the raised dialog frame
  // along its own edge: outer and inner line, lighter at the top left.
  void splashWindowDrawsItsDialogFrame() {
    TfmSplash splash;
    QCOMPARE(splash.size(), QSize(383, 241));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QImage drawn = splash.grab().toImage();
    const auto color = [&splash](QPalette::ColorRole role) { return splash.palette().color(role).rgb(); };
    QCOMPARE(drawn.pixel(0, 0), color(QPalette::Light));
    QCOMPARE(drawn.pixel(1, 120), color(QPalette::Midlight));
    QCOMPARE(drawn.pixel(382, 240), color(QPalette::Shadow));
    QCOMPARE(drawn.pixel(200, 239), color(QPalette::Dark));
    QCOMPARE(drawn.pixel(2, 2), color(QPalette::Window));
  }

  // A link is red exactly while a mouse button is held on it; a release of the left button
  // over the link opens its address, a release elsewhere or of another button does not.
  void linkIsRedWhileHeldAndOpensOnRelease_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("web site") << "laWebSite" << Qt::LeftButton << QUrl(u"https://www.example.org/"_s);
    QTest::newRow("e-mail") << "laEMail" << Qt::LeftButton << QUrl(u"mailto:info@example.org"_s);
    QTest::newRow("web site, right button") << "laWebSite" << Qt::RightButton << QUrl();
    QTest::newRow("e-mail, middle button") << "laEMail" << Qt::MiddleButton << QUrl();
  }
  void linkIsRedWhileHeldAndOpensOnRelease() {
    QFETCH(QString, link);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QUrl, address);
    QFile::remove(opener_.filePath(QStringLiteral("opened")));
    openerEndsWith(0);
    about_->show();
    auto* label = about_->findChild<QLabel*>(link);
    QVERIFY(label);
    const auto color = [label] { return label->palette().color(QPalette::WindowText); };
    QCOMPARE(color(), QColor(Qt::blue));
    QVERIFY(label->font().underline());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(label, button);
    QCOMPARE(color(), QColor(Qt::red));
    QTest::mouseRelease(label, button, {}, QPoint(-5, -5));
    QCOMPARE(color(), QColor(Qt::blue));

    QTest::mouseClick(label, button);
    QCOMPARE(color(), QColor(Qt::blue));
    // The opener runs on its own; give one that should not run the time to show itself.
    if (address.isEmpty()) QTest::qWait(300);
    QTRY_COMPARE(opened(), address.isEmpty() ? QStringList() : QStringList(address.toString()));
  }

  // An opener that fails, after the address was handed over, ends in the error report.
  void aFailingOpenerEndsInTheErrorReport_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("report");
    QTest::newRow("no program for the address")
        << 3 << QStringLiteral("The desktop has no program to open https://www.example.org/.");
    QTest::newRow("opening failed")
        << 4 << QStringLiteral("The desktop could not open https://www.example.org/ (xdg-open ended with status 4)");
  }
  void aFailingOpenerEndsInTheErrorReport() {
    QFETCH(int, status);
    QFETCH(QString, report);
    openerEndsWith(status);
    about_->show();
    ModalDialogProbe probe([&](QDialog* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box);
      QCOMPARE(box->windowTitle(), QStringLiteral("Quillmark 1.0"));
      QCOMPARE(box->text(), report);
    });
    QTest::mouseClick(about_->findChild<QLabel*>(QStringLiteral("laWebSite")), Qt::LeftButton);
    QTRY_VERIFY(probe.seen());
    QVERIFY(about_->isVisible());
  }

  // Tab goes from OK to the two links and back; Enter or Space opens the link in focus.
  void linksAreReachedByTabAndOpenedByEnterOrSpace() {
    QFile::remove(opener_.filePath(QStringLiteral("opened")));
    openerEndsWith(0);
    about_->open();
    QVERIFY(QTest::qWaitForWindowActive(about_.get()));
    const QStringList walk = {u"laWebSite"_s, u"laEMail"_s, u"buOK"_s};
    for (const QString& name : walk) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
      QTest::keyClick(QApplication::focusWidget(), key);
    // Each address goes to an opener process of its own, which may end in either order.
    const auto openedSorted = [this] {
      QStringList addresses = opened();
      addresses.sort();
      return addresses;
    };
    QTRY_COMPARE(openedSorted(), (QStringList{u"https://www.example.org/"_s, u"mailto:info@example.org"_s}));
    QVERIFY(about_->isVisible());  // Enter on a link opens it and leaves the box open
    about_->reject();
  }

  // A separator's bevel line runs along the top of its box; below it is the background.
  void separatorDrawsItsLineAtTheTop_data() {
    QTest::addColumn<QString>("separator");
    QTest::newRow("above the links") << "beSeparator";
    QTest::newRow("above OK") << "beSep2";
  }
  void separatorDrawsItsLineAtTheTop() {
    QFETCH(QString, separator);
    auto* bevel = about_->findChild<QWidget*>(separator);
    QVERIFY(bevel);
    about_->show();
    const QImage drawn = bevel->grab().toImage();
    const QColor background = about_->palette().color(QPalette::Window);
    const int x = drawn.width() / 2;
    QVERIFY(drawn.pixelColor(x, 0) != background);
    QVERIFY(drawn.pixelColor(x, 1) != background);
    for (int y = 2; y < drawn.height(); ++y) QCOMPARE(drawn.pixelColor(x, y), background);
  }

  // OK has the focus; Enter, Escape and OK hide the box, which shows again the same way.
  void closesByOkEnterOrEscapeAndIsReused_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK") << 0;
  }
  void closesByOkEnterOrEscapeAndIsReused() {
    QFETCH(int, key);
    QCOMPARE(about_->windowTitle(), QStringLiteral("About Quillmark"));
    QVERIFY(!(about_->windowFlags() &
              (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    auto* buOK = about_->findChild<QPushButton*>(u"buOK"_s);
    QVERIFY(buOK);
    for (int round = 0; round < 2; ++round) {
      about_->open();
      QVERIFY(QTest::qWaitForWindowActive(about_.get()));
      QCOMPARE(QApplication::focusWidget(), buOK);
      if (key != 0) QTest::keyClick(buOK, Qt::Key(key));
      if (key == 0) buOK->click();
      QVERIFY(!about_->isVisible());
    }
  }

 private:
  QTemporaryDir opener_;
  std::unique_ptr<TfmAbout> about_;
};

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "ui/error_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <stdexcept>

// The application's standard error report.
class TestErrorReport : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void aFullStopFollowsTextsEndingAboveIt_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("report");
    const auto row = [](const char* name, const char* message, const char* report) {
      QTest::newRow(name) << QString::fromUtf8(message) << QString::fromUtf8(report);
    };
    row("empty", "", "");
    row("letter", "Printer selected is not valid", "Printer selected is not valid.");
    row("full stop", "Done.", "Done.");
    row("slash, just above", "a/", "a/.");
    row("hyphen, just below", "a-", "a-");
    row("exclamation mark", "Stop!", "Stop!");
    row("blank", "text ", "text ");
    row("digit", "Error 5", "Error 5.");
    row("non-ASCII letter", "Grüße", "Grüße.");
  }

  void aFullStopFollowsTextsEndingAboveIt() {
    QFETCH(QString, message);
    QFETCH(QString, report);
    QCOMPARE(errorReportText(message), report);
  }

  void aFailingHandlerEndsInTheReport() {
    QWidget window;
    window.show();
    ModalDialogProbe probe([](QDialog* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box);
      QVERIFY(!box->parentWidget());
      QCOMPARE(box->windowTitle(), QStringLiteral("Quillmark 1.0"));
      QCOMPARE(box->icon(), QMessageBox::Critical);
      QCOMPARE(box->textFormat(), Qt::PlainText);
      QCOMPARE(box->text(), QStringLiteral("<i>Broken</i>."));
      QCOMPARE(box->buttons().size(), 1);
      box->buttons().front()->click();
    });
    runReportingErrors([] { throw std::runtime_error("<i>Broken</i>"); });
    QVERIFY(probe.seen());
    QVERIFY(window.isVisible());
  }

  void aHandlerThatSucceedsReportsNothing() {
    ModalDialogProbe probe([](QDialog*) {});
    bool ran = false;
    runReportingErrors([&] { ran = true; });
    QVERIFY(ran);
    QCoreApplication::processEvents();
    QVERIFY(!probe.seen());
  }
};

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"

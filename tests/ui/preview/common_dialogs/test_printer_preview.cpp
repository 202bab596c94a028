// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common_dialog_placement.h"
#include "current_printer.h"
#include "modal_dialog_probe.h"
#include "preview_error.h"
#include "private_cups_server.h"
#include "show_preview.h"
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <functional>

// The font and print previews against a CUPS server of the test's own. The
// slots run in order and build on the printers set up before them.
class TestPrinterPreview : public QObject {
  Q_OBJECT

  PrivateCupsServer cups_;

  static ComposerSettings fontPreview(FontDevice device) {
    ComposerSettings settings = commonDialogSettings(DialogKind::Font);
    settings.commonDialog.fontDevice = device;
    return settings;
  }

  static ComposerSettings printPreview(bool allowPrintToFile) {
    ComposerSettings settings = commonDialogSettings(DialogKind::Print);
    settings.commonDialog.allowPrintToFile = allowPrintToFile;
    return settings;
  }

  // The preview's error text, or "dialog" when its dialog opened instead.
  static QString outcome(
      const ComposerSettings& settings, const std::function<void(QDialog*)>& inspect = [](QDialog*) {}) {
    ModalDialogProbe probe(inspect);
    try {
      showPreview(settings, nullptr);
    } catch (const PreviewError& error) {
      return probe.seen() ? QStringLiteral("dialog and error") : QString::fromUtf8(error.what());
    }
    return probe.seen() ? QStringLiteral("dialog") : QStringLiteral("nothing");
  }

  static void choosePrinter(QDialog* dialog, const QString& printer) {
    auto* printers = dialog->findChild<QComboBox*>("printers");
    QVERIFY(printers);
    printers->setCurrentIndex(printers->findText(printer));
    QCOMPARE(printers->currentText(), printer);
  }

  static void confirm(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

 private slots:
  void initTestCase() { QVERIFY2(cups_.error().isEmpty(), qPrintable(cups_.error())); }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void withoutADefaultPrinterThePrinterPreviewsFail_data() {
    QTest::addColumn<bool>("withQueue");
    QTest::newRow("no printer installed") << false;
    QTest::newRow("a printer that is not the default") << true;
  }
  void withoutADefaultPrinterThePrinterPreviewsFail() {
    QFETCH(bool, withQueue);
    if (withQueue) QVERIFY2(cups_.addQueue("QuillmarkTest"), qPrintable(cups_.error()));
    const QString noDefault = QStringLiteral("There is no default printer currently selected");
    QCOMPARE(outcome(fontPreview(FontDevice::AllFonts)), noDefault);
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), noDefault);
    QCOMPARE(outcome(printPreview(false)), noDefault);
    QCOMPARE(outcome(fontPreview(FontDevice::ScreenFontsOnly)), QStringLiteral("dialog"));
  }

  void theDefaultPrinterServesTheFontPreviews() {
    QVERIFY2(cups_.setDefault("QuillmarkTest"), qPrintable(cups_.error()));
    QCOMPARE(outcome(fontPreview(FontDevice::AllFonts)), QStringLiteral("dialog"));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly),
                     [](QDialog* dialog) {
                       QVERIFY(qobject_cast<QFontDialog*>(dialog)->testOption(QFontDialog::ScalableFonts));
                     }),
             QStringLiteral("dialog"));
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("QuillmarkTest"));
  }

  void thePrintDialogOffersNoSelectionNorPageRange_data() {
    QTest::addColumn<bool>("allowPrintToFile");
    QTest::newRow("print to file hidden") << false;
    QTest::newRow("print to file allowed") << true;
  }
  void thePrintDialogOffersNoSelectionNorPageRange() {
    QFETCH(bool, allowPrintToFile);
    QVERIFY2(cups_.addQueue("Second"), qPrintable(cups_.error()));
    const QString shown = outcome(printPreview(allowPrintToFile), [&](QDialog* shownDialog) {
      auto* dialog = qobject_cast<QPrintDialog*>(shownDialog);
      QVERIFY(dialog);
      QVERIFY(!dialog->parentWidget());
      QCOMPARE(dialog->pos(),
               commonDialogPosition(QGuiApplication::primaryScreen()->geometry(), dialog->frameGeometry().size()));
      QCOMPARE(dialog->printer()->printerName(), QStringLiteral("QuillmarkTest"));
      QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
      QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
      QCOMPARE(dialog->printRange(), QAbstractPrintDialog::AllPages);
      auto* printers = dialog->findChild<QComboBox*>("printers");
      QCOMPARE(printers->currentText(), QStringLiteral("QuillmarkTest"));
      QCOMPARE(printers->findText("Print to File (PDF)") >= 0, allowPrintToFile);
      // Whatever printer the user picks, only "All" stays available.
      for (const char* printer : {"QuillmarkTest", "Second", "QuillmarkTest"}) {
        choosePrinter(dialog, printer);
        QVERIFY(dialog->findChild<QRadioButton*>("printAll")->isChecked());
        for (const char* unavailable : {"printRange", "pagesRadioButton", "printSelection"}) {
          auto* choice = dialog->findChild<QRadioButton*>(unavailable);
          QVERIFY2(!choice->isEnabled() || choice->isHidden(), unavailable);
        }
      }
    });
    QCOMPARE(shown, QStringLiteral("dialog"));
  }

  void aConfirmedPrintDialogMakesItsPrinterCurrent() {
    outcome(printPreview(false), [](QDialog* dialog) {
      choosePrinter(dialog, "Second");
      confirm(dialog);
    });
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("Second"));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), QStringLiteral("dialog"));
    outcome(printPreview(false), [](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QComboBox*>("printers")->currentText(), QStringLiteral("Second"));
      choosePrinter(dialog, "QuillmarkTest");
      dialog->reject();
    });
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("Second"));
  }

  void printingToAFileKeepsTheCurrentPrinter() {
    QTemporaryDir output;
    outcome(printPreview(true), [&](QDialog* dialog) {
      choosePrinter(dialog, "Print to File (PDF)");
      dialog->findChild<QLineEdit*>("filename")->setText(output.filePath("out.pdf"));
      confirm(dialog);
    });
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("Second"));
    QCOMPARE(currentPrinter().outputFormat(), QPrinter::NativeFormat);
  }

  void aRemovedPrinterIsNotValidForTheFontPreview() {
    QVERIFY2(cups_.removeQueue("Second"), qPrintable(cups_.error()));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), QStringLiteral("Printer selected is not valid"));
    QCOMPARE(outcome(fontPreview(FontDevice::ScreenFontsOnly)), QStringLiteral("dialog"));
  }
};

QTEST_MAIN(TestPrinterPreview)
#include "test_printer_preview.moc"

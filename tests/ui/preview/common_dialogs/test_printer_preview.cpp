// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "tests/support/private_cups_server.h"
#include "tests/support/test_support.h"
#include "ui/preview/common_dialogs/current_printer.h"
#include "ui/preview/common_dialogs/preview_error.h"
#include "ui/preview/show_preview.h"
#include "ui/windowing/screen_placement.h"

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

using namespace Qt::StringLiterals;

// The font and print previews against a CUPS server of the test's own. The program's
// current printer lasts for the process: what holds before its first use is checked
// when the test starts; each slot then sets up the printers it needs itself.
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
    auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
    QVERIFY(printers);
    printers->setCurrentIndex(printers->findText(printer));
    QCOMPARE(printers->currentText(), printer);
  }

  static void confirm(QDialog* dialog) {
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

  // Picks the printer in a print preview and confirms it, which makes it current.
  static void makeCurrent(const QString& printer) {
    outcome(printPreview(false), [&printer](QDialog* dialog) {
      choosePrinter(dialog, printer);
      confirm(dialog);
    });
    QCOMPARE(currentPrinter().printerName(), printer);
  }

 private slots:
  // Before a default printer exists the printer previews fail, with no printer installed
  // and with one that is not the default; the first use after one is set makes it current.
  void initTestCase() {
    QVERIFY2(cups_.error().isEmpty(), qPrintable(cups_.error()));
    const QString noDefault = QStringLiteral("There is no default printer currently selected");
    for (const bool withQueue : {false, true}) {
      if (withQueue) QVERIFY2(cups_.addQueue(u"QuillmarkTest"_s), qPrintable(cups_.error()));
      QCOMPARE(outcome(fontPreview(FontDevice::AllFonts)), noDefault);
      QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), noDefault);
      QCOMPARE(outcome(printPreview(false)), noDefault);
      QCOMPARE(outcome(fontPreview(FontDevice::ScreenFontsOnly)), QStringLiteral("dialog"));
    }
    QVERIFY2(cups_.setDefault(u"QuillmarkTest"_s), qPrintable(cups_.error()));
    QCOMPARE(outcome(fontPreview(FontDevice::AllFonts)), QStringLiteral("dialog"));
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("QuillmarkTest"));
  }
  void init() {
    const QString defaultQueue = QStringLiteral("QuillmarkTest");
    for (const QString& queue : {defaultQueue, QStringLiteral("Second")})
      QVERIFY2(cups_.addQueue(queue), qPrintable(cups_.error()));
    QVERIFY2(cups_.setDefault(defaultQueue), qPrintable(cups_.error()));
  }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void theCurrentPrinterServesTheFontPreviews() {
    QCOMPARE(outcome(fontPreview(FontDevice::AllFonts)), QStringLiteral("dialog"));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly),
                     [](QDialog* dialog) {
                       QVERIFY(qobject_cast<QFontDialog*>(dialog)->testOption(QFontDialog::ScalableFonts));
                     }),
             QStringLiteral("dialog"));
  }

  void thePrintDialogOffersNoSelectionNorPageRange_data() {
    QTest::addColumn<bool>("allowPrintToFile");
    QTest::newRow("print to file hidden") << false;
    QTest::newRow("print to file allowed") << true;
  }
  void thePrintDialogOffersNoSelectionNorPageRange() {
    QFETCH(bool, allowPrintToFile);
    const QString current = currentPrinter().printerName();
    const QString shown = outcome(printPreview(allowPrintToFile), [&](QDialog* shownDialog) {
      auto* dialog = qobject_cast<QPrintDialog*>(shownDialog);
      QVERIFY(dialog);
      QVERIFY(!dialog->parentWidget());
      QCOMPARE(dialog->pos(),
               commonDialogPosition(QGuiApplication::primaryScreen()->geometry(), dialog->frameGeometry().size()));
      QCOMPARE(dialog->printer()->printerName(), current);
      QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
      QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
      QCOMPARE(dialog->printRange(), QAbstractPrintDialog::AllPages);
      auto* printers = dialog->findChild<QComboBox*>(u"printers"_s);
      QCOMPARE(printers->currentText(), current);
      QCOMPARE(printers->findText(u"Print to File (PDF)"_s) >= 0, allowPrintToFile);
      // Whatever printer the user picks, only "All" stays available.
      for (const char* printer : {"QuillmarkTest", "Second", "QuillmarkTest"}) {
        choosePrinter(dialog, QString::fromLatin1(printer));
        QVERIFY(dialog->findChild<QRadioButton*>(u"printAll"_s)->isChecked());
        for (const char* unavailable : {"printRange", "pagesRadioButton", "printSelection"}) {
          auto* choice = dialog->findChild<QRadioButton*>(QString::fromLatin1(unavailable));
          QVERIFY2(!choice->isEnabled() || choice->isHidden(), unavailable);
        }
      }
    });
    QCOMPARE(shown, QStringLiteral("dialog"));
  }

  void aConfirmedPrintDialogMakesItsPrinterCurrent() {
    makeCurrent(QStringLiteral("Second"));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), QStringLiteral("dialog"));
    outcome(printPreview(false), [](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QComboBox*>(u"printers"_s)->currentText(), QStringLiteral("Second"));
      choosePrinter(dialog, u"QuillmarkTest"_s);
      dialog->reject();
    });
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("Second"));
  }

  void printingToAFileKeepsTheCurrentPrinter() {
    makeCurrent(QStringLiteral("Second"));
    QTemporaryDir output;
    outcome(printPreview(true), [&](QDialog* dialog) {
      choosePrinter(dialog, u"Print to File (PDF)"_s);
      dialog->findChild<QLineEdit*>(u"filename"_s)->setText(output.filePath(u"out.pdf"_s));
      confirm(dialog);
    });
    QCOMPARE(currentPrinter().printerName(), QStringLiteral("Second"));
    QCOMPARE(currentPrinter().outputFormat(), QPrinter::NativeFormat);
  }

  void aRemovedPrinterIsNotValidForTheFontPreview() {
    makeCurrent(QStringLiteral("Second"));
    QVERIFY2(cups_.removeQueue(u"Second"_s), qPrintable(cups_.error()));
    QCOMPARE(outcome(fontPreview(FontDevice::PrinterFontsOnly)), QStringLiteral("Printer selected is not valid"));
    QCOMPARE(outcome(fontPreview(FontDevice::ScreenFontsOnly)), QStringLiteral("dialog"));
  }
};

QTEST_MAIN(TestPrinterPreview)
#include "test_printer_preview.moc"

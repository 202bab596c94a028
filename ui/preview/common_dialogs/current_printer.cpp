// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/current_printer.h"

#include "ui/preview/common_dialogs/preview_error.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The current printer, or none before the first use. Like the program's other Qt objects
// it lives within the application object's lifetime: the application's destructor drops it
// first thing, through a post routine registered whenever the slot is filled.
std::unique_ptr<QPrinter> current;

void dropCurrentPrinter() { current.reset(); }

void setCurrentPrinter(std::unique_ptr<QPrinter> printer) {
  if (!current) qAddPostRoutine(dropCurrentPrinter);
  current = std::move(printer);
}

bool isInstalled(const QString& name) { return QPrinterInfo::availablePrinterNames().contains(name); }

std::unique_ptr<QPrinter> printerForDefault() {
  const QString name = QPrinterInfo::defaultPrinterName();
  if (name.isEmpty() || !isInstalled(name)) throw PreviewError("There is no default printer currently selected");
  return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name));
}

}  // namespace

QPrinter& currentPrinter() {
  if (!current) setCurrentPrinter(printerForDefault());
  return *current;
}

void checkPrinterUsable(const QPrinter& printer) {
  if (!isInstalled(printer.printerName())) throw PreviewError("Printer selected is not valid");
}

std::unique_ptr<QPrinter> copyOfCurrentPrinter() {
  const QPrinter& current = currentPrinter();
  auto copy = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(current.printerName()));
  copy->setPageLayout(current.pageLayout());
  copy->setCopyCount(current.copyCount());
  copy->setCollateCopies(current.collateCopies());
  copy->setColorMode(current.colorMode());
  copy->setDuplex(current.duplex());
  copy->setPageOrder(current.pageOrder());
  return copy;
}

void adoptConfirmedPrinter(std::unique_ptr<QPrinter> printer) {
  if (printer->outputFormat() == QPrinter::PdfFormat && current) {
    printer->setOutputFileName(QString());
    printer->setPrinterName(current->printerName());
  }
  setCurrentPrinter(std::move(printer));
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "current_printer.h"

#include "preview_error.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::unique_ptr<QPrinter>& printerSlot() {
  static std::unique_ptr<QPrinter> printer;
  return printer;
}

bool isInstalled(const QString& name) { return QPrinterInfo::availablePrinterNames().contains(name); }

std::unique_ptr<QPrinter> printerForDefault() {
  const QString name = QPrinterInfo::defaultPrinterName();
  if (name.isEmpty() || !isInstalled(name)) throw PreviewError("There is no default printer currently selected");
  return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name));
}

}  // namespace

QPrinter& currentPrinter() {
  std::unique_ptr<QPrinter>& printer = printerSlot();
  if (!printer) printer = printerForDefault();
  return *printer;
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
  std::unique_ptr<QPrinter>& current = printerSlot();
  if (printer->outputFormat() == QPrinter::PdfFormat && current) {
    printer->setOutputFileName(QString());
    printer->setPrinterName(current->printerName());
  }
  current = std::move(printer);
}

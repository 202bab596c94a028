// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/preview_print_dialog.h"

#include "ui/preview/common_dialogs/common_dialog_exec.h"
#include "ui/preview/common_dialogs/current_printer.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// The print dialog offers neither page ranges nor the selection, like the
// run-time print component by default. Qt's print dialog offers page ranges
// over CUPS even when the options leave them out, and enables "Pages" again
// whenever another printer is chosen; this dialog keeps them unavailable. Qt
// internals touched: the children "printRange", "from", "to",
// "pagesRadioButton" and "pagesLineEdit" of the options page, and the printer
// list "printers"; a missing one is left as Qt made it.
class PreviewPrintDialog : public QPrintDialog {
 public:
  explicit PreviewPrintDialog(QPrinter* printer) : QPrintDialog(printer) {
    // Connected after Qt's own handler of the list, so this runs after it.
    if (auto* printers = findChild<QComboBox*>(QStringLiteral("printers")))
      connect(printers, &QComboBox::currentIndexChanged, this, &PreviewPrintDialog::withholdPageRanges);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QPrintDialog::showEvent(event);
    withholdPageRanges();
  }

 private:
  void withholdPageRanges() {
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
      if (auto* widget = findChild<QWidget*>(QLatin1String(name))) widget->setEnabled(false);
  }
};

// The Qt print dialog's options for the request: never the selection or page ranges.
QAbstractPrintDialog::PrintDialogOptions printDialogOptions(const PrintDialogRequest& request) {
  QAbstractPrintDialog::PrintDialogOptions options =
      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
  if (request.printToFile) options |= QAbstractPrintDialog::PrintToFile;
  return options;
}

}  // namespace

void showPrintDialog(const PrintDialogRequest& request) {
  std::unique_ptr<QPrinter> printer = copyOfCurrentPrinter();
  PreviewPrintDialog dialog(printer.get());
  dialog.setOptions(printDialogOptions(request));
  // No page numbers are set: setting them would add the page-range option.
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (execCommonDialog(dialog)) adoptConfirmedPrinter(std::move(printer));
}

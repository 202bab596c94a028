// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/preview_font_dialog.h"

#include "ui/preview/common_dialogs/common_dialog_exec.h"
#include "ui/preview/common_dialogs/current_printer.h"
#include "ui/windowing/window_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// The sixteen colours of the font dialog's colour list, in its order.
const std::array<std::pair<const char*, QColor>, 16> standardColors = {{
    {"Black", QColor(0, 0, 0)},
    {"Maroon", QColor(128, 0, 0)},
    {"Green", QColor(0, 128, 0)},
    {"Olive", QColor(128, 128, 0)},
    {"Navy", QColor(0, 0, 128)},
    {"Purple", QColor(128, 0, 128)},
    {"Teal", QColor(0, 128, 128)},
    {"Gray", QColor(128, 128, 128)},
    {"Silver", QColor(192, 192, 192)},
    {"Red", QColor(255, 0, 0)},
    {"Lime", QColor(0, 255, 0)},
    {"Yellow", QColor(255, 255, 0)},
    {"Blue", QColor(0, 0, 255)},
    {"Fuchsia", QColor(255, 0, 255)},
    {"Aqua", QColor(0, 255, 255)},
    {"White", QColor(255, 255, 255)},
}};

QIcon swatch(const QColor& color) {
  QPixmap pixmap(24, 12);
  pixmap.fill(color);
  return QIcon(pixmap);
}

void colorSample(QLineEdit* sample, const QColor& color) {
  QPalette palette = sample->palette();
  palette.setColor(QPalette::Text, color);
  sample->setPalette(palette);
}

// Qt's font filters for the request's fonts: printer fonts are the scalable
// ones (what a printer can render); screen fonts are all installed fonts.
QFontDialog::FontDialogOptions fontDialogOptions(const FontDialogRequest& request) {
  QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
  if (!request.screenFonts) options |= QFontDialog::ScalableFonts;
  return options;
}

// Adds the effects' colour choice, which Qt's font dialog lacks: a "&Color:"
// list of the sixteen standard colours that also colours the sample, with the
// window-text colour, the platform's default font colour, selected where it is
// one of them. Qt internals touched: the group box that holds the strike-out
// and underline check boxes, with its vertical layout, and the sample
// "qt_fontDialog_sampleEdit"; without the group the dialog is shown as Qt
// makes it, without the sample the list colours nothing.
void addFontColorChoice(QFontDialog& dialog) {
  auto* strikeOut = dialog.findChild<QCheckBox*>();
  QWidget* effects = strikeOut ? strikeOut->parentWidget() : nullptr;
  auto* layout = effects ? qobject_cast<QVBoxLayout*>(effects->layout()) : nullptr;
  if (!layout) return;
  auto* label = new QLabel(QStringLiteral("&Color:"), effects);
  auto* list = new QComboBox(effects);
  list->setObjectName(QStringLiteral("fontColorList"));
  label->setBuddy(list);
  for (const auto& [name, value] : standardColors) list->addItem(swatch(value), QString::fromLatin1(name), value);
  const int selected = list->findData(QGuiApplication::palette().color(QPalette::WindowText));
  list->setCurrentIndex(selected >= 0 ? selected : 0);
  if (auto* sample = dialog.findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"))) {
    QObject::connect(list, &QComboBox::currentIndexChanged, sample,
                     [list, sample](int index) { colorSample(sample, list->itemData(index).value<QColor>()); });
    colorSample(sample, list->currentData().value<QColor>());
  }
  layout->addWidget(label);
  layout->addWidget(list);
}

}  // namespace

void showFontDialog(const FontDialogRequest& request) {
  if (request.printerFonts) checkPrinterUsable(currentPrinter());
  QFontDialog dialog;
  dialog.setOptions(fontDialogOptions(request));
  dialog.setCurrentFont(QFont(installedFontFamily(QString::fromLatin1(windowFontFace)), windowFontPoints));
  addFontColorChoice(dialog);
  execCommonDialog(dialog);
}

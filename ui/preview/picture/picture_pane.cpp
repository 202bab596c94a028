// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/picture_pane.h"

#include "ui/preview/picture/picture_loader.h"
#include "ui/preview/picture/picture_paint_box.h"
#include "ui/preview/picture/preview_form.h"
#include "ui/windowing/bevel_panel.h"
#include "ui/windowing/dialog_units.h"
#include "ui/windowing/mul_div.h"
#include "ui/windowing/window_font.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int panelBorderWidth = 6;
constexpr int labelHeight = 23;
constexpr int bevelWidth = 2;  // the paint panel's outer and inner bevel
constexpr int paneTop = 4;     // below the top of the dialog's strip
// The strip right of the dialog's standard controls, in dialog units.
constexpr int paneWidthInDialogUnits = 112;

int screenDotsPerInch(const QWidget& widget) { return qRound(widget.screen()->logicalDotsPerInchY()); }

int paneWidth(int dotsPerInch) {
  const DialogUnits units = measureDialogUnits(defaultWindowFont(dotsPerInch));
  return MulDiv(paneWidthInDialogUnits, units.x, 4);
}

}  // namespace

PicturePane::PicturePane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PicturePanel"));
  PictureLabel = new QLabel(this);
  PictureLabel->setObjectName(QStringLiteral("PictureLabel"));
  PaintPanel = new BevelPanel(this);
  PaintPanel->setOuterBevel(BevelPanel::Bevel::Lowered);
  PaintPanel->setInnerBevel(BevelPanel::Bevel::Raised);
  PaintPanel->setObjectName(QStringLiteral("PaintPanel"));
  PaintBox = new PicturePaintBox(
      picture_, [this] { openPreview(); }, PaintPanel);
  PaintBox->setObjectName(QStringLiteral("PaintBox"));
  PreviewButton = new QToolButton(this);
  PreviewButton->setObjectName(QStringLiteral("PreviewButton"));
  PreviewButton->setIcon(QIcon(QStringLiteral(":/pictures/preview_glyph.svg")));
  PreviewButton->setIconSize(QSize(16, 16));
  PreviewButton->setToolTip(QStringLiteral("Preview"));
  PreviewButton->setAccessibleName(PreviewButton->toolTip());
  PreviewButton->setEnabled(false);
  connect(PreviewButton, &QToolButton::clicked, this, &PicturePane::openPreview);
  setFixedWidth(paneWidth(screenDotsPerInch(*this)));
  parent->installEventFilter(this);
  placeInStrip();
}

void PicturePane::showFile(const QString& path) {
  file_ = openPictureFile(path);
  if (file_)
    requestDrawing();
  else {
    converter_.cancel();
    showPicture(std::nullopt);
  }
}

void PicturePane::requestDrawing() {
  requestedBox_ = PaintBox->size();
  converter_.convert(*file_, screenDotsPerInch(*this), requestedBox_, false,
                     [this](std::optional<Picture> picture) { showPicture(std::move(picture)); });
}

void PicturePane::showPicture(std::optional<Picture> picture) {
  picture_ = std::move(picture);
  if (picture_)
    PictureLabel->setText(QStringLiteral(" (%1x%2)").arg(picture_->size().width()).arg(picture_->size().height()));
  else
    PictureLabel->setText(QStringLiteral("Picture:"));
  PictureLabel->setAccessibleName(PictureLabel->text().trimmed());  // the blank only spaces the text
  PreviewButton->setEnabled(picture_.has_value());
  PaintBox->update();
}

void PicturePane::resizeEvent(QResizeEvent*) {
  const QRect inside = rect().adjusted(panelBorderWidth, panelBorderWidth, -panelBorderWidth, -panelBorderWidth);
  PictureLabel->setGeometry(inside.x(), inside.y(), inside.width(), labelHeight);
  PaintPanel->setGeometry(inside.adjusted(0, labelHeight, 0, 0));
  PaintBox->setGeometry(PaintPanel->rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth));
  PreviewButton->setGeometry(PaintPanel->x() + PaintPanel->width() - 25, 1, 23, 22);
  // The picture is drawn again for the paint box's new size.
  if (file_ && PaintBox->size() != requestedBox_) requestDrawing();
}

bool PicturePane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) placeInStrip();
  return QWidget::eventFilter(watched, event);
}

void PicturePane::placeInStrip() {
  const QWidget& dialog = *parentWidget();
  setGeometry(dialog.width() - width(), paneTop, width(), dialog.height() - paneTop);
}

void PicturePane::openPreview() { showPreviewForm(picture_, this); }

void PicturePane::followSelection(const QAbstractItemView& list) {
  const QItemSelectionModel& selection = *list.selectionModel();
  QModelIndex shown;
  for (const QModelIndex& row : selection.selectedRows())
    if (row.parent() == list.rootIndex()) {
      shown = row;
      break;
    }
  // An emptied name box selects the folder itself, outside the list: the
  // list still marks its current file, and the pane shows that one.
  if (!shown.isValid() && selection.hasSelection() && list.currentIndex().parent() == list.rootIndex())
    shown = list.currentIndex();
  showFile(shown.isValid() ? shown.data(QFileSystemModel::FilePathRole).toString() : QString());
}

void attachPicturePane(QFileDialog& dialog) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  // Qt internals touched: the file list "listView", whose selection model the
  // detail view shares. Set the proxy model before: a new model brings a new
  // selection model.
  auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
  if (!grid || !list || !list->selectionModel()) return;
  auto* pane = new PicturePane(&dialog);
  // The standard controls keep their margins in the dialog's left part; the
  // pane takes the strip right of them (see eventFilter).
  QMargins margins = grid->contentsMargins();
  margins.setRight(margins.right() + pane->width());
  grid->setContentsMargins(margins);
  // The selection, not the current item: a typed or completed name selects
  // its file without making it current, and a name that matches nothing
  // clears the selection.
  QItemSelectionModel* selection = list->selectionModel();
  QObject::connect(selection, &QItemSelectionModel::selectionChanged, pane,
                   [pane, list] { pane->followSelection(*list); });
  QObject::connect(&dialog, &QDialog::finished, pane, [] { QToolTip::hideText(); });
}

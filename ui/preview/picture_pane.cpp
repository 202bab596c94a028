#include "picture_pane.h"

#include "bevel_panel.h"
#include "input_box_layout.h"
#include "mul_div.h"
#include "picture_loader.h"
#include "picture_paint_box.h"
#include "preview_form.h"
#include "window_font.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int panelBorderWidth = 6;
constexpr int labelHeight = 23;
constexpr int bevelWidth = 2;  // the paint panel's outer and inner bevel
// The strip right of the dialog's standard controls, in dialog units.
constexpr int paneWidthInDialogUnits = 112;

int screenDotsPerInch(const QWidget& widget) { return qRound(widget.screen()->logicalDotsPerInchY()); }

int paneWidth(int dotsPerInch) {
  const QFontMetrics metrics(defaultWindowFont(dotsPerInch));
  const DialogUnits units =
      dialogUnits(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                  metrics.height());
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
  PreviewButton->setEnabled(false);
  connect(PreviewButton, &QToolButton::clicked, this, &PicturePane::openPreview);
  setFixedWidth(paneWidth(screenDotsPerInch(*this)));
}

void PicturePane::showFile(const QString& path) {
  picture_ = loadPicture(path, screenDotsPerInch(*this), converter_);
  if (picture_)
    PictureLabel->setText(QStringLiteral(" (%1x%2)").arg(picture_->size().width()).arg(picture_->size().height()));
  else
    PictureLabel->setText(QStringLiteral("Picture:"));
  PreviewButton->setEnabled(picture_.has_value());
  PaintBox->update();
}

void PicturePane::resizeEvent(QResizeEvent*) {
  const QRect inside = rect().adjusted(panelBorderWidth, panelBorderWidth, -panelBorderWidth, -panelBorderWidth);
  PictureLabel->setGeometry(inside.x(), inside.y(), inside.width(), labelHeight);
  PaintPanel->setGeometry(inside.adjusted(0, labelHeight, 0, 0));
  PaintBox->setGeometry(PaintPanel->rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth));
  PreviewButton->setGeometry(PaintPanel->x() + PaintPanel->width() - 25, 1, 23, 22);
}

void PicturePane::openPreview() { showPreviewForm(picture_, this); }

void attachPicturePane(QFileDialog& dialog) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (!grid) return;
  auto* pane = new PicturePane(&dialog);
  grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, pane, &PicturePane::showFile);
  QObject::connect(&dialog, &QDialog::finished, pane, [] { QToolTip::hideText(); });
}

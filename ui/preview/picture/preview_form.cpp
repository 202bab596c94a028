// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/picture/preview_form.h"

#include "ui/preview/picture/picture_converter.h"
#include "ui/windowing/screen_placement.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int panelBorderWidth = 5;

constexpr int redrawDelayMilliseconds = 150;

// The picture stretched over the whole widget, drawn again by the picture
// helper for the widget's size once the size has settled; until then the
// raster at hand is stretched.
class StretchedPicture : public QWidget {
 public:
  StretchedPicture(const std::optional<Picture>& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    redraw_.setSingleShot(true);
    redraw_.setInterval(redrawDelayMilliseconds);
    connect(&redraw_, &QTimer::timeout, this, [this] {
      converter_->convert(picture_->file(), qRound(screen()->logicalDotsPerInchY()), size(), true,
                          [this](std::optional<Picture> drawn) {
                            if (drawn) picture_ = std::move(drawn);
                            update();
                          });
    });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter painter(this);
    picture_->draw(painter, rect());
  }
  void resizeEvent(QResizeEvent*) override {
    if (picture_ && picture_->raster().size() != size()) redraw_.start();
  }

 private:
  std::optional<Picture> picture_;
  std::unique_ptr<PictureConverter> converter_{picture_ ? std::make_unique<PictureConverter>() : nullptr};
  QTimer redraw_;
};

// `picture` scaled down, its proportions kept, to fit in `available`.
QSize cappedTo(QSize picture, QSize available) {
  return picture.width() <= available.width() && picture.height() <= available.height()
             ? picture
             : picture.scaled(available, Qt::KeepAspectRatio);
}

}  // namespace

PreviewForm::PreviewForm(const std::optional<Picture>& picture, QWidget* parent) : QDialog(parent, Qt::Tool) {
  setObjectName(QStringLiteral("PreviewForm"));
  setWindowTitle(QStringLiteral("Preview"));
  setModal(true);
  auto* formLayout = new QVBoxLayout(this);
  formLayout->setContentsMargins(0, 0, 0, 0);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setLineWidth(1);
  panel->setBackgroundRole(QPalette::Window);
  panel->setAutoFillBackground(true);
  formLayout->addWidget(panel);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(panelBorderWidth, panelBorderWidth, panelBorderWidth, panelBorderWidth);
  panelLayout->addWidget(new StretchedPicture(picture, panel));

  QSize client = initialClientSize;
  if (picture) {
    // The client grows by what the panel's inside lacks to hold the picture.
    const QSize panelClient = client - QSize(2 * panel->frameWidth(), 2 * panel->frameWidth());
    const QSize borders = client - panelClient + QSize(2 * panelBorderWidth, 2 * panelBorderWidth);
    // No larger than the screen's free area, frame and borders included.
    const QScreen& screen = *QGuiApplication::primaryScreen();
    const QSize frame(2 * panelBorderWidth, 4 * panelBorderWidth);
    client = cappedTo(picture->size(), screen.availableGeometry().size() - frame - borders) + borders;
  }
  resize(client);
  placeCentredOnScreen(*this);
}

void showPreviewForm(const std::optional<Picture>& picture, QWidget* parent) {
  PreviewForm form(picture, parent);
  form.exec();
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "preview_form.h"

#include "screen_placement.h"

#include <QFrame>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int panelBorderWidth = 5;

// The picture stretched over the whole widget.
class StretchedPicture : public QWidget {
 public:
  StretchedPicture(const std::optional<Picture>& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!picture_) return;
    QPainter painter(this);
    picture_->draw(painter, rect());
  }

 private:
  const std::optional<Picture>& picture_;
};

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
    client += picture->size() - panelClient + QSize(2 * panelBorderWidth, 2 * panelBorderWidth);
  }
  resize(client);
  placeCentredOnScreen(*this);
}

void showPreviewForm(const std::optional<Picture>& picture, QWidget* parent) {
  PreviewForm form(picture, parent);
  form.exec();
}

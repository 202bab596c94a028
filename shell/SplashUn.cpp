// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/SplashUn.h"

#include "shell/shell_fonts.h"
#include "ui/application_title.h"
#include "ui/composer_fonts.h"
#include "ui_SplashUn.h"

#include <qdrawutil.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>

TfmSplash::TfmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::TfmSplash>()) {
  ui_->setupUi(this);
  ui_->laVersion->setText(versionText());
  setFont(composerWindowFont());
  ui_->laName->setFont(productNameFont(20));
  ui_->laLegal->setFont(smallTypeFont(8));
  FormCreate();
}

TfmSplash::~TfmSplash() = default;

// Without a title bar the window is exactly its client area.
void TfmSplash::FormCreate() {
  setFixedSize(size());
  move(screen()->geometry().center() - rect().center());
}

// The window is frameless to the window manager, which would otherwise add a title bar; it
// draws the raised dialog frame along its own edge instead, two lines lighter at the top and
// left and darker at the bottom and right. The layout keeps its parts clear of it.
void TfmSplash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette());
}

QPixmap TfmSplash::logo() const { return ui_->imLogo->pixmap(); }

QPixmap TfmSplash::banner() const { return ui_->imBanner->pixmap(); }

void showFullyDrawn(QWidget& window) {
  window.show();
  // The window system maps the window in its own time; a window that is never exposed
  // (a broken display) must not hold up the start.
  const QDeadlineTimer deadline(2000);
  while (!window.windowHandle()->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::usleep(500);
  }
  window.repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

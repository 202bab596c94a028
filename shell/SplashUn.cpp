#include "SplashUn.h"

#include "composer_look.h"
#include "shell_look.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QThread>
#include <QWindow>

TfmSplash::TfmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setupUi(this);
  setFont(composerWindowFont());
  laName->setFont(productNameFont(20));
  laLegal->setFont(smallTypeFont(8));
  FormCreate();
}

// Without a title bar the window is exactly its client area.
void TfmSplash::FormCreate() {
  setFixedSize(size());
  move(screen()->geometry().center() - rect().center());
}

QPixmap TfmSplash::logo() const { return imLogo->pixmap(); }

QPixmap TfmSplash::banner() const { return imBanner->pixmap(); }

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

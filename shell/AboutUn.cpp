#include "AboutUn.h"

#include "SplashUn.h"
#include "composer_look.h"
#include "desktop_open.h"
#include "error_report.h"
#include "shell_look.h"

#include <QMouseEvent>
#include <QScreen>
#include <QUrl>

namespace {

void setLinkColor(QLabel* link, const QColor& color) {
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, color);
  link->setPalette(palette);
}

const QColor linkColor(0, 0, 255);
const QColor pressedLinkColor(255, 0, 0);

}  // namespace

// A dialog frame without a system menu, and so without a close button.
TfmAbout::TfmAbout(const TfmSplash& splash, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setupUi(this);
  setFont(composerWindowFont());
  laName->setFont(productNameFont(27));
  for (QLabel* link : {laWebSite, laEMail}) {
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setLinkColor(link, linkColor);
    link->installEventFilter(this);
  }
  connect(buOK, &QPushButton::clicked, this, &TfmAbout::buOKClick);
  FormCreate(splash);
}

void TfmAbout::FormCreate(const TfmSplash& splash) {
  imLogo->setPixmap(splash.logo());
  imBanner->setPixmap(splash.banner());
  setFixedSize(size());
}

// The links are labels: a press turns one red, the release turns it blue again, and a
// release over the link that was pressed is its click.
bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<QLabel*>(watched);
  if (link == nullptr) return QDialog::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    laWebSiteMouseDown(link);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
    laWebSiteMouseUp(link);
    if (link->rect().contains(mouse->position().toPoint())) {
      if (link == laWebSite) laWebSiteClick();
      if (link == laEMail) laEMailClick();
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TfmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  move(screen()->geometry().center() - frameGeometry().center() + pos());
  buOK->setFocus();
}

void TfmAbout::buOKClick() { accept(); }

void TfmAbout::laWebSiteMouseDown(QLabel* sender) { setLinkColor(sender, pressedLinkColor); }

void TfmAbout::laWebSiteMouseUp(QLabel* sender) { setLinkColor(sender, linkColor); }

void TfmAbout::laWebSiteClick() {
  runReportingErrors([this] { openThroughDesktop(QUrl(laWebSite->text())); });
}

void TfmAbout::laEMailClick() {
  runReportingErrors([this] { openThroughDesktop(QUrl(QStringLiteral("mailto:") + laEMail->text())); });
}

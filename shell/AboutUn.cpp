#include "AboutUn.h"

#include "SplashUn.h"
#include "composer_look.h"
#include "desktop_open.h"
#include "error_report.h"
#include "shell_look.h"
#include "ui_AboutUn.h"

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
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::TfmAbout>()) {
  ui_->setupUi(this);
  setFont(composerWindowFont());
  ui_->laName->setFont(productNameFont(27));
  for (QLabel* link : {ui_->laWebSite, ui_->laEMail}) {
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setLinkColor(link, linkColor);
    link->installEventFilter(this);
  }
  connect(ui_->buOK, &QPushButton::clicked, this, &TfmAbout::buOKClick);
  FormCreate(splash);
}

TfmAbout::~TfmAbout() = default;

void TfmAbout::FormCreate(const TfmSplash& splash) {
  ui_->imLogo->setPixmap(splash.logo());
  ui_->imBanner->setPixmap(splash.banner());
  setFixedSize(size());
}

// The links are labels: a press turns one red, the release turns it blue again, and a
// release over the link that was pressed is its click.
bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<QLabel*>(watched);
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (link == nullptr || (!press && event->type() != QEvent::MouseButtonRelease))
    return QDialog::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QDialog::eventFilter(watched, event);
  if (press) {
    laWebSiteMouseDown(link);
    return true;
  }
  laWebSiteMouseUp(link);
  if (link->rect().contains(mouse->position().toPoint())) {
    if (link == ui_->laWebSite) laWebSiteClick();
    if (link == ui_->laEMail) laEMailClick();
  }
  return true;
}

void TfmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  move(screen()->geometry().center() - frameGeometry().center() + pos());
  ui_->buOK->setFocus();
}

void TfmAbout::buOKClick() { accept(); }

void TfmAbout::laWebSiteMouseDown(QLabel* sender) { setLinkColor(sender, pressedLinkColor); }

void TfmAbout::laWebSiteMouseUp(QLabel* sender) { setLinkColor(sender, linkColor); }

void TfmAbout::laWebSiteClick() {
  runReportingErrors([this] { openThroughDesktop(QUrl(ui_->laWebSite->text())); });
}

void TfmAbout::laEMailClick() {
  runReportingErrors([this] { openThroughDesktop(QUrl(QStringLiteral("mailto:") + ui_->laEMail->text())); });
}

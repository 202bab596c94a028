// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "shell/AboutUn.h"

#include "shell/SplashUn.h"
#include "shell/link_label.h"
#include "shell/shell_fonts.h"
#include "ui/application_title.h"
#include "ui/composer_fonts.h"
#include "ui/error_report.h"
#include "ui/windowing/desktop_open.h"
#include "ui/windowing/modal_window_in_view.h"
#include "ui/windowing/readable_colour.h"
#include "ui/windowing/screen_placement.h"
#include "ui_AboutUn.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QUrl>

namespace {

// Blue, red while pressed; other shades of them where the palette needs them to be read.
void setLinkColor(QLabel* link, FixedColour which) {
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, readableColour(which, link->parentWidget()->palette()));
  link->setPalette(palette);
}

}  // namespace

// A dialog frame with a title and no buttons: no system menu and so no close button, and
// no minimise or maximise button. What the window manager is told, and what openbox makes
// of it:
// - Qt::Dialog: the window type _NET_WM_WINDOW_TYPE_DIALOG, transient for the composer
//   window (WM_TRANSIENT_FOR); openbox keeps the box above that window, and minimises and
//   restores the two together.
// - Qt::CustomizeWindowHint with Qt::WindowTitleHint alone: _MOTIF_WM_HINTS allowing the
//   functions move and resize only, so window managers that honour the Motif hints offer
//   no minimise, maximise or close. Openbox deliberately lets these hints remove none of
//   its buttons and keeps minimise and close.
// - the fixed size, equal minimum and maximum sizes in WM_NORMAL_HINTS: openbox then
//   offers neither resizing nor maximising (_NET_WM_ALLOWED_ACTIONS).
// What openbox offers anyway, the box answers itself: it ignores a close request and comes
// back at once when minimised.
TfmAbout::TfmAbout(const TfmSplash& splash, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::TfmAbout>()) {
  ui_->setupUi(this);
  ui_->laVersion->setText(versionText());
  setFont(composerWindowFont());
  ui_->laName->setFont(productNameFont(27));
  for (QLabel* link : {ui_->laWebSite, ui_->laEMail}) {
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setLinkColor(link, FixedColour::Link);
    link->installEventFilter(this);
  }
  connect(ui_->buOK, &QPushButton::clicked, this, &TfmAbout::buOKClick);
  connect(ui_->laWebSite, &LinkLabel::activated, this, &TfmAbout::laWebSiteClick);
  connect(ui_->laEMail, &LinkLabel::activated, this, &TfmAbout::laEMailClick);
  placeCentredOnScreen(*this);
  keepModalWindowInView(*this);
  FormCreate(splash);
}

TfmAbout::~TfmAbout() = default;

void TfmAbout::FormCreate(const TfmSplash& splash) {
  ui_->imLogo->setPixmap(splash.logo());
  ui_->imBanner->setPixmap(splash.banner());
  setFixedSize(size());
}

// The links are labels that Tab reaches and Enter or Space opens; a press of any mouse button turns one red, the
// release turns it blue again, and a release of the left button over the link that was pressed is its click.
bool TfmAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<QLabel*>(watched);
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (link == nullptr || (!press && event->type() != QEvent::MouseButtonRelease))
    return QDialog::eventFilter(watched, event);
  if (press) {
    laWebSiteMouseDown(link);
    return true;
  }
  laWebSiteMouseUp(link);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
    if (link == ui_->laWebSite) laWebSiteClick();
    if (link == ui_->laEMail) laEMailClick();
  }
  return true;
}

void TfmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ui_->buOK->setFocus();
}

// A close request from the window manager (its close button, Alt+F4) is ignored: OK,
// Enter and Escape are the only ways to close the box.
void TfmAbout::closeEvent(QCloseEvent* event) {
  if (event->spontaneous())
    event->ignore();
  else
    QDialog::closeEvent(event);
}

void TfmAbout::buOKClick() { accept(); }

void TfmAbout::laWebSiteMouseDown(QLabel* sender) { setLinkColor(sender, FixedColour::Note); }

void TfmAbout::laWebSiteMouseUp(QLabel* sender) { setLinkColor(sender, FixedColour::Link); }

void TfmAbout::laWebSiteClick() {
  runReportingErrors([this] { openThroughDesktop(QUrl(ui_->laWebSite->text()), showErrorReport); });
}

void TfmAbout::laEMailClick() {
  runReportingErrors(
      [this] { openThroughDesktop(QUrl(QStringLiteral("mailto:") + ui_->laEMail->text()), showErrorReport); });
}

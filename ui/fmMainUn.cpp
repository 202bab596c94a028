// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/fmMainUn.h"

#include "ui_fmMainUn.h"

#include "composer/button_choice.h"
#include "composer/copy_to_clipboard.h"
#include "composer/creator_caption.h"
#include "composer/variable_name_rule.h"
#include "ui/access_key_dispatch.h"
#include "ui/application_title.h"
#include "ui/composer_fonts.h"
#include "ui/error_report.h"
#include "ui/one_line_field.h"
#include "ui/preview/show_preview.h"
#include "ui/qt_clipboard.h"
#include "ui/windowing/desktop_open.h"
#include "ui/windowing/readable_colour.h"
#include "ui/windowing/screen_placement.h"

#include <QDialog>
#include <QFocusEvent>
#include <QTabBar>

#include <algorithm>
#include <limits>

namespace {

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Hot tracking: the caption of the tab under the mouse is drawn in the link colour. A click
// on a tab takes the focus, as Tab does; the arrows that scroll the tabs do not.
void setUpPageControl(QTabWidget* pageControl) {
  pageControl->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab:hover { color: palette(link); }"));
  pageControl->tabBar()->setFocusPolicy(Qt::StrongFocus);
  for (QToolButton* arrow : pageControl->tabBar()->findChildren<QToolButton*>()) arrow->setFocusPolicy(Qt::NoFocus);
}

// Never narrower than its caption, so no font or style cuts it off.
void widenToCaption(QCheckBox* box) { box->resize(std::max(box->width(), box->sizeHint().width()), box->height()); }

// Gives the buttons of a radio group the ids 0, 1, 2, ... in the order listed: the values
// of the enumeration that the group chooses from.
void numberInOrder(QButtonGroup* group, std::initializer_list<QAbstractButton*> buttons) {
  int id = 0;
  for (QAbstractButton* button : buttons) group->setId(button, id++);
}

// Enables the dependent box exactly while the box it depends on is checked, and clears it
// when that box is not checked.
void followCheckBox(const QCheckBox* master, QCheckBox* dependent) {
  dependent->setEnabled(master->isChecked());
  if (!master->isChecked()) dependent->setChecked(false);
}

}  // namespace

TfmMain::TfmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TfmMain>()) {
  setFont(composerWindowFont());
  ui_->setupUi(this);
  setWindowTitle(applicationTitle());
  fileDialogTabs_ = {{
      {ui_->edOpenDialogTitle, ui_->edOpenDialogDefaultExtension, ui_->sgOpenDialogFilter},
      {ui_->edSaveDialogTitle, ui_->edSaveDialogDefaultExtension, ui_->sgSaveDialogFilter},
      {ui_->edOpenPictureDialogTitle, ui_->edOpenPictureDialogDefaultExtension, ui_->sgOpenPictureDialogFilter},
      {ui_->edSavePictureDialogTitle, ui_->edSavePictureDialogDefaultExtension, ui_->sgSavePictureDialogFilter},
  }};
  FormCreate();
  applyReadableColours();
  numberButtonGroups();
  connectHandlers();
  new AccessKeyDispatch(this, [this] { return accessKeyOrder(); });
  // The window starts in the message-box creator with every setting at its default.
  const ComposerSettings initial = defaults();
  writeInputBox(initial.inputBox);
  writeCommonDialog(initial.commonDialog);
  switchCreator(CreatorKind::MessageBox);
  // The keyboard starts on the tab bar, the first of the window's stops. The creators'
  // stop, after the last, stands first in the (circular) focus chain, where the window
  // would otherwise begin.
  ui_->pcMessageBox->setFocus();
  placeCentredOnScreen(*this);
}

TfmMain::~TfmMain() = default;

// What the form cannot say: the header font in pixels, the page controls' tab bars, the
// caption box's unlimited free text, the one-line fields' single line, the fields' names
// for screen readers and the check boxes' width.
void TfmMain::FormCreate() {
  ui_->laHeader->setFont(creatorHeaderFont());
  for (QTabWidget* pages : {ui_->pcMessageBox, ui_->pcInputBox, ui_->pcCommonDialog}) setUpPageControl(pages);
  ui_->cbMessageBoxCaption->setCompleter(nullptr);
  ui_->cbMessageBoxCaption->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  keepOneLineFields(this);
  // A screen reader names each field by its label; Qt reads the buddy's text for edits
  // but not for the filter grids, so every labelled field gets it as its name.
  for (const QLabel* label : findChildren<QLabel*>())
    if (QWidget* field = label->buddy()) field->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
  ui_->cbMessageBoxCaption->lineEdit()->setAccessibleName(ui_->cbMessageBoxCaption->accessibleName());
  for (QCheckBox* box : findChildren<QCheckBox*>()) widenToCaption(box);
}

// The red notes and the grey behind the header's and the creator panel's white captions,
// in shades that stay readable where the palette is dark or of high contrast.
void TfmMain::applyReadableColours() {
  const auto paint = [](QWidget* control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
  };
  const QColor note = readableColour(FixedColour::Note, palette());
  for (QLabel* label :
       {ui_->laButtons, ui_->laDefaultButton, ui_->laMessageBoxVariableNote, ui_->laInputBoxVariableNote})
    paint(label, QPalette::WindowText, note);
  const QColor panel = readableColour(FixedColour::CaptionedPanel, palette());
  for (BevelPanel* bar : {ui_->paHeader, ui_->paMenu}) paint(bar, QPalette::Window, panel);
}

// A palette that changes while the program runs (the desktop's theme) shades them anew.
void TfmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) applyReadableColours();
  QWidget::changeEvent(event);
}

void TfmMain::numberButtonGroups() {
  numberInOrder(ui_->creatorButtons, {ui_->sbMessageBox, ui_->sbInputBox, ui_->sbCommonDialog});
  numberInOrder(ui_->iconButtons, {ui_->sbInformation, ui_->sbQuestion, ui_->sbError, ui_->sbWarning, ui_->sbNoIcon});
  numberInOrder(ui_->buttonChoiceButtons,
                {ui_->sbOK_OK, ui_->sbOK_OKCancel, ui_->sbCancel_OKCancel, ui_->sbYes_YesNo, ui_->sbNo_YesNo,
                 ui_->sbYes_YesNoCancel, ui_->sbNo_YesNoCancel, ui_->sbCancel_YesNoCancel,
                 ui_->sbAbort_AbortRetryIgnore, ui_->sbRetry_AbortRetryIgnore, ui_->sbIgnore_AbortRetryIgnore,
                 ui_->sbRetry_RetryCancel, ui_->sbCancel_RetryCancel});
  numberInOrder(ui_->fontDeviceButtons, {ui_->rbAllFonts, ui_->rbScreenFontsOnly, ui_->rbPrinterFontsOnly});
}

void TfmMain::connectHandlers() {
  connect(ui_->sbMessageBox, &QToolButton::clicked, this, &TfmMain::sbMessageBoxClick);
  connect(ui_->sbInputBox, &QToolButton::clicked, this, &TfmMain::sbInputBoxClick);
  connect(ui_->sbCommonDialog, &QToolButton::clicked, this, &TfmMain::sbCommonDialogClick);
  connect(ui_->sbNew, &QPushButton::clicked, this, &TfmMain::sbNewClick);
  connect(ui_->sbTest, &QPushButton::clicked, this, &TfmMain::sbTestClick);
  connect(ui_->sbCopy, &QPushButton::clicked, this, &TfmMain::sbCopyClick);
  connect(ui_->sbHelp, &QPushButton::clicked, this, &TfmMain::sbHelpClick);
  connect(ui_->sbAbout, &QPushButton::clicked, this, &TfmMain::sbAboutClick);
  connect(ui_->sbExit, &QPushButton::clicked, this, &TfmMain::sbExitClick);
  connect(ui_->buttonChoiceButtons, &QButtonGroup::idClicked, this, &TfmMain::buttonChoiceClick);
  connect(ui_->ckAllowFullOpen, &QCheckBox::toggled, this, &TfmMain::ckAllowFullOpenClick);
  connect(ui_->ckAllowNonSolidColor, &QCheckBox::toggled, this, &TfmMain::ckAllowNonSolidColorClick);
  for (const FileDialogTab& tab : fileDialogTabs_) {
    FilterGrid* grid = tab.filter;
    connect(grid, &QTableWidget::currentCellChanged, this, [this, grid] { sgOpenDialogFilterClick(grid); });
  }
  ui_->edMessageBoxVariable->installEventFilter(this);
  ui_->edInputBoxVariable->installEventFilter(this);
}

// An access key is offered to the bottom bar, then to the page in front, then to Test,
// Copy and New.
std::vector<QWidget*> TfmMain::accessKeyOrder() const {
  std::vector<QWidget*> order = {ui_->sbHelp, ui_->sbAbout, ui_->sbExit};
  const QList<QWidget*> pageControls = pageControl(activeCreator())->currentWidget()->findChildren<QWidget*>();
  order.insert(order.end(), pageControls.begin(), pageControls.end());
  order.insert(order.end(), {ui_->sbTest, ui_->sbCopy, ui_->sbNew});
  return order;
}

// Applies the variable-name rule when the focus passes from a variable field to another
// control of this window; a switch to another window or a popup does not count.
bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      edMessageBoxVariableExit(static_cast<QLineEdit*>(watched));
  }
  return QWidget::eventFilter(watched, event);
}

CreatorKind TfmMain::activeCreator() const { return static_cast<CreatorKind>(ui_->creatorButtons->checkedId()); }

QTabWidget* TfmMain::pageControl(CreatorKind kind) const {
  return std::array{ui_->pcMessageBox, ui_->pcInputBox, ui_->pcCommonDialog}.at(static_cast<std::size_t>(kind));
}

const FileDialogTab& TfmMain::fileDialogTab(DialogKind kind) const {
  return fileDialogTabs_.at(static_cast<std::size_t>(kind));
}

void TfmMain::switchCreator(CreatorKind kind) {
  ui_->laHeader->setText(toQString(creatorCaption(kind)));
  ui_->laHeader->adjustSize();
  pageControl(kind)->show();
  for (CreatorKind other : {CreatorKind::MessageBox, CreatorKind::InputBox, CreatorKind::CommonDialog})
    if (other != kind) pageControl(other)->hide();
  sbNewClick();
}

void TfmMain::showButtonChoice(ButtonChoice choice) {
  ui_->laButtons->setText(toQString(buttonSetLabel(choice)));
  ui_->laButtons->adjustSize();
  ui_->laDefaultButton->setText(toQString(defaultButtonLabel(choice)));
  ui_->laDefaultButton->adjustSize();
}

void TfmMain::sbMessageBoxClick() { switchCreator(CreatorKind::MessageBox); }
void TfmMain::sbInputBoxClick() { switchCreator(CreatorKind::InputBox); }
void TfmMain::sbCommonDialogClick() { switchCreator(CreatorKind::CommonDialog); }

// Returns the active creator's settings to their defaults, written into its controls, and
// brings its first page to front. The record is reset in a settings value of its own: what
// the controls held is overwritten whole, so they are not read (reading a long message
// would lay out its text for nothing).
void TfmMain::sbNewClick() {
  const CreatorKind kind = activeCreator();
  ComposerSettings settings;
  switch (kind) {
    case CreatorKind::MessageBox:
      resetMessageBox(settings);
      writeMessageBox(settings.messageBox);
      break;
    case CreatorKind::InputBox:
      resetInputBox(settings);
      writeInputBox(settings.inputBox);
      break;
    case CreatorKind::CommonDialog:
      resetCommonDialog(settings);
      writeCommonDialog(settings.commonDialog);
      break;
  }
  pageControl(kind)->setCurrentIndex(0);
}

void TfmMain::sbTestClick() {
  runReportingErrors([this] {
    const ComposerSettings settings = readSettings();
    showPreview(settings, this);
  });
}

void TfmMain::sbCopyClick() {
  runReportingErrors([this] {
    QtClipboard clipboard;
    copyToClipboard(readSettings(), clipboard);
  });
}

void TfmMain::setAboutBox(QDialog* aboutBox) { aboutBox_ = aboutBox; }

void TfmMain::sbHelpClick() {
  runReportingErrors([] { openHelpFile(showErrorReport); });
}

void TfmMain::sbAboutClick() {
  if (aboutBox_ != nullptr) aboutBox_->exec();
}

void TfmMain::sbExitClick() { close(); }

// The group's ids are the ButtonChoice values, so the id picks the choice's own handler.
void TfmMain::buttonChoiceClick(int id) {
  static constexpr void (TfmMain::*handlers[])() = {
      &TfmMain::sbOK_OKClick,
      &TfmMain::sbOK_OKCancelClick,
      &TfmMain::sbCancel_OKCancelClick,
      &TfmMain::sbYes_YesNoClick,
      &TfmMain::sbNo_YesNoClick,
      &TfmMain::sbYes_YesNoCancelClick,
      &TfmMain::sbNo_YesNoCancelClick,
      &TfmMain::sbCancel_YesNoCancelClick,
      &TfmMain::sbAbort_AbortRetryIgnoreClick,
      &TfmMain::sbRetry_AbortRetryIgnoreClick,
      &TfmMain::sbIgnore_AbortRetryIgnoreClick,
      &TfmMain::sbRetry_RetryCancelClick,
      &TfmMain::sbCancel_RetryCancelClick,
  };
  static_assert(std::size(handlers) == std::size(allButtonChoices));
  (this->*handlers[id])();
}

void TfmMain::sbOK_OKClick() { showButtonChoice(ButtonChoice::OK_OK); }
void TfmMain::sbOK_OKCancelClick() { showButtonChoice(ButtonChoice::OK_OKCancel); }
void TfmMain::sbCancel_OKCancelClick() { showButtonChoice(ButtonChoice::Cancel_OKCancel); }
void TfmMain::sbYes_YesNoClick() { showButtonChoice(ButtonChoice::Yes_YesNo); }
void TfmMain::sbNo_YesNoClick() { showButtonChoice(ButtonChoice::No_YesNo); }
void TfmMain::sbYes_YesNoCancelClick() { showButtonChoice(ButtonChoice::Yes_YesNoCancel); }
void TfmMain::sbNo_YesNoCancelClick() { showButtonChoice(ButtonChoice::No_YesNoCancel); }
void TfmMain::sbCancel_YesNoCancelClick() { showButtonChoice(ButtonChoice::Cancel_YesNoCancel); }
void TfmMain::sbAbort_AbortRetryIgnoreClick() { showButtonChoice(ButtonChoice::Abort_AbortRetryIgnore); }
void TfmMain::sbRetry_AbortRetryIgnoreClick() { showButtonChoice(ButtonChoice::Retry_AbortRetryIgnore); }
void TfmMain::sbIgnore_AbortRetryIgnoreClick() { showButtonChoice(ButtonChoice::Ignore_AbortRetryIgnore); }
void TfmMain::sbRetry_RetryCancelClick() { showButtonChoice(ButtonChoice::Retry_RetryCancel); }
void TfmMain::sbCancel_RetryCancelClick() { showButtonChoice(ButtonChoice::Cancel_RetryCancel); }

void TfmMain::edMessageBoxVariableExit(QLineEdit* sender) {
  const QString corrected = toQString(VariableNameRule(sender->text().toStdString()));
  if (corrected != sender->text()) sender->setText(corrected);
}

void TfmMain::sgOpenDialogFilterClick(FilterGrid* sender) { sender->openEditor(); }

void TfmMain::ckAllowFullOpenClick() { followCheckBox(ui_->ckAllowFullOpen, ui_->ckFullOpen); }

void TfmMain::ckAllowNonSolidColorClick() { followCheckBox(ui_->ckAllowNonSolidColor, ui_->ckUseNearestColor); }

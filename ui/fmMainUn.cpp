#include "fmMainUn.h"

#include "access_key_dispatch.h"
#include "bevel_panel.h"
#include "button_choice.h"
#include "captions.h"
#include "composer_controls.h"
#include "composer_look.h"
#include "copy_to_clipboard.h"
#include "display_lines.h"
#include "error_report.h"
#include "filter_grid.h"
#include "qt_clipboard.h"
#include "show_preview.h"
#include "variable_name_rule.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <limits>

namespace {

constexpr QSize clientSize(544, 383);
constexpr QRect pageControlGeometry(16, 16, 393, 217);
constexpr QSize pictureSize(32, 32);
// The right-aligned labels of the creators' pages end here, 10 pixels before their fields.
constexpr int fieldLabelRight = 70;

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string toStd(const QString& text) { return text.toStdString(); }

QIcon picture(const char* name) { return QIcon(QStringLiteral(":/pictures/") + QLatin1String(name)); }

void setTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  widget->setPalette(palette);
}

void setBackgroundColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
}

QTabWidget* createPageControl(QWidget* parent, const char* name) {
  auto* pageControl = new QTabWidget(parent);
  pageControl->setObjectName(QString::fromLatin1(name));
  pageControl->setGeometry(pageControlGeometry);
  // Hot tracking: the caption of the tab under the mouse is drawn in the link colour.
  pageControl->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab:hover { color: palette(link); }"));
  // A click on a tab takes the focus, as Tab does; the arrows that scroll the tabs do not.
  pageControl->tabBar()->setFocusPolicy(Qt::StrongFocus);
  for (QToolButton* arrow : pageControl->tabBar()->findChildren<QToolButton*>()) arrow->setFocusPolicy(Qt::NoFocus);
  return pageControl;
}

QLabel* createCreatorLabel(QWidget* parent, const char* name, QRect geometry, CreatorKind kind) {
  QLabel* label = createWrappedLabel(parent, name, geometry, toQString(creatorCaption(kind)));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setTextColor(label, highlightTextColor());
  return label;
}

QToolButton* createCreatorButton(QWidget* parent, const char* name, int top, QButtonGroup* group, CreatorKind kind,
                                 const char* pictureName) {
  QToolButton* button = createSpeedButton(parent, name, QRect(24, top, 49, 41), group, static_cast<int>(kind));
  button->setAutoRaise(true);
  button->setIcon(picture(pictureName));
  button->setIconSize(pictureSize);
  return button;
}

// Enables the dependent box exactly while the box it depends on is checked, and clears it
// when that box is not checked.
void followCheckBox(const QCheckBox* master, QCheckBox* dependent) {
  dependent->setEnabled(master->isChecked());
  if (!master->isChecked()) dependent->setChecked(false);
}

FileDialogSettings readFileDialog(const QLineEdit* title, const QLineEdit* defaultExtension, const FilterGrid* filter) {
  FileDialogSettings settings;
  settings.title = toStd(title->text());
  settings.defaultExtension = toStd(defaultExtension->text());
  settings.filters = filter->rows();
  return settings;
}

// The text box's hard line breaks as CR LF, whichever line ends the text came with.
QString withCrLfLineBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void clearFileDialog(QLineEdit* title, QLineEdit* defaultExtension, FilterGrid* filter) {
  title->clear();
  defaultExtension->clear();
  filter->clearRows();
}

}  // namespace

TfmMain::TfmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("fmMain"));
  setWindowTitle(QStringLiteral("Quillmark 1.0"));
  setWindowIcon(picture("quillmark.svg"));
  setFont(composerWindowFont());
  setFixedSize(clientSize);
  createHeader();
  createCreatorMenu();
  createWorkSpace();
  createMainMenu();
  connectHandlers();
  setTabOrderChain();
  new AccessKeyDispatch(this, [this] { return accessKeyOrder(); });
  // The window starts in the message-box creator with every setting at its default.
  resetInputBoxPages();
  resetCommonDialogPages();
  sbMessageBox->setChecked(true);
  switchCreator(CreatorKind::MessageBox);
  move(screen()->availableGeometry().center() - rect().center());
  FormCreate();
}

void TfmMain::createHeader() {
  paHeader = new BevelPanel(BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered, this);
  paHeader->setObjectName(QStringLiteral("paHeader"));
  paHeader->setGeometry(8, 8, 529, 41);
  setBackgroundColor(paHeader, applicationWorkspaceColor());
  laHeader = createLabel(paHeader, "laHeader", QPoint(8, 4), QString());
  laHeader->setFont(creatorHeaderFont());
  setTextColor(laHeader, highlightTextColor());
}

void TfmMain::createCreatorMenu() {
  paMenu = new BevelPanel(BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered, this);
  paMenu->setObjectName(QStringLiteral("paMenu"));
  paMenu->setGeometry(8, 56, 97, 273);
  setBackgroundColor(paMenu, applicationWorkspaceColor());
  creatorButtons_ = new QButtonGroup(this);
  sbMessageBox = createCreatorButton(paMenu, "sbMessageBox", 24, creatorButtons_, CreatorKind::MessageBox,
                                     "message_box_creator.svg");
  laMessageBox = createCreatorLabel(paMenu, "laMessageBox", QRect(8, 64, 81, 25), CreatorKind::MessageBox);
  sbInputBox =
      createCreatorButton(paMenu, "sbInputBox", 104, creatorButtons_, CreatorKind::InputBox, "input_box_creator.svg");
  laInputBox = createCreatorLabel(paMenu, "laInputBox", QRect(16, 144, 65, 25), CreatorKind::InputBox);
  sbCommonDialog = createCreatorButton(paMenu, "sbCommonDialog", 184, creatorButtons_, CreatorKind::CommonDialog,
                                       "common_dialog_creator.svg");
  laCommonDialog = createCreatorLabel(paMenu, "laCommonDialog", QRect(8, 224, 81, 41), CreatorKind::CommonDialog);
}

void TfmMain::createWorkSpace() {
  paWorkSpace = new BevelPanel(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, this);
  paWorkSpace->setObjectName(QStringLiteral("paWorkSpace"));
  paWorkSpace->setGeometry(112, 56, 425, 273);

  pcMessageBox = createPageControl(paWorkSpace, "pcMessageBox");
  createMessageBoxGeneralPage();
  createIconPage();
  createButtonsPage();
  createMessageBoxVariablePage();

  pcInputBox = createPageControl(paWorkSpace, "pcInputBox");
  createInputBoxGeneralPage();
  createInputBoxVariablePage();

  pcCommonDialog = createPageControl(paWorkSpace, "pcCommonDialog");
  createFileDialogPage("OpenDialog", toQString(dialogKindCaption(DialogKind::Open)), tsOpenDialog, laOpenDialogTitle,
                       edOpenDialogTitle, laOpenDialogDefaultExtension, edOpenDialogDefaultExtension,
                       laOpenDialogFilter, sgOpenDialogFilter);
  createFileDialogPage("SaveDialog", toQString(dialogKindCaption(DialogKind::Save)), tsSaveDialog, laSaveDialogTitle,
                       edSaveDialogTitle, laSaveDialogDefaultExtension, edSaveDialogDefaultExtension,
                       laSaveDialogFilter, sgSaveDialogFilter);
  createFileDialogPage("OpenPictureDialog", toQString(dialogKindCaption(DialogKind::OpenPicture)), tsOpenPictureDialog,
                       laOpenPictureDialogTitle, edOpenPictureDialogTitle, laOpenPictureDialogDefaultExtension,
                       edOpenPictureDialogDefaultExtension, laOpenPictureDialogFilter, sgOpenPictureDialogFilter);
  createFileDialogPage("SavePictureDialog", toQString(dialogKindCaption(DialogKind::SavePicture)), tsSavePictureDialog,
                       laSavePictureDialogTitle, edSavePictureDialogTitle, laSavePictureDialogDefaultExtension,
                       edSavePictureDialogDefaultExtension, laSavePictureDialogFilter, sgSavePictureDialogFilter);
  createFontDialogPage();
  createColorDialogPage();
  createPrintDialogPage();

  sbNew = createPushButton(paWorkSpace, "sbNew", QRect(16, 240, 73, 25), QStringLiteral("&New"));
  sbTest = createPushButton(paWorkSpace, "sbTest", QRect(256, 240, 73, 25), QStringLiteral("&Test"));
  sbCopy = createPushButton(paWorkSpace, "sbCopy", QRect(336, 240, 73, 25), QStringLiteral("&Copy"));
}

void TfmMain::createMainMenu() {
  paMainMenu = new BevelPanel(BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised, this);
  paMainMenu->setObjectName(QStringLiteral("paMainMenu"));
  paMainMenu->setGeometry(8, 336, 529, 41);
  sbHelp = createPushButton(paMainMenu, "sbHelp", QRect(16, 8, 73, 25), QStringLiteral("&Help"));
  sbAbout = createPushButton(paMainMenu, "sbAbout", QRect(96, 8, 73, 25), QStringLiteral("&About"));
  sbExit = createPushButton(paMainMenu, "sbExit", QRect(440, 8, 73, 25), QStringLiteral("E&xit"));
}

void TfmMain::createMessageBoxGeneralPage() {
  tsMessageBoxGeneral = createPage(pcMessageBox, "tsMessageBoxGeneral", QStringLiteral("General"));
  cbMessageBoxCaption = new QComboBox(tsMessageBoxGeneral);
  cbMessageBoxCaption->setObjectName(QStringLiteral("cbMessageBoxCaption"));
  cbMessageBoxCaption->setEditable(true);
  cbMessageBoxCaption->setCompleter(nullptr);
  cbMessageBoxCaption->setInsertPolicy(QComboBox::NoInsert);
  cbMessageBoxCaption->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  cbMessageBoxCaption->addItems(
      {QStringLiteral("Information"), QStringLiteral("Confirm"), QStringLiteral("Error"), QStringLiteral("Warning")});
  cbMessageBoxCaption->setGeometry(80, 16, 169, editHeight);
  laCaption = createRightAlignedFieldLabel(tsMessageBoxGeneral, "laCaption", fieldLabelRight, 20,
                                           QStringLiteral("&Caption:"), cbMessageBoxCaption);

  meMessageBoxText = new QPlainTextEdit(tsMessageBoxGeneral);
  meMessageBoxText->setObjectName(QStringLiteral("meMessageBoxText"));
  meMessageBoxText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  meMessageBoxText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  meMessageBoxText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  meMessageBoxText->setTabChangesFocus(true);
  meMessageBoxText->setGeometry(80, 48, 249, 65);
  laText = createRightAlignedFieldLabel(tsMessageBoxGeneral, "laText", fieldLabelRight, 52, QStringLiteral("&Text:"),
                                        meMessageBoxText);

  ckSystemModal =
      createCheckBox(tsMessageBoxGeneral, "ckSystemModal", QRect(80, 136, 97, 17), QStringLiteral("&System-Modal"));
}

void TfmMain::createIconPage() {
  struct IconButton {
    QToolButton* TfmMain::*member;
    const char* name;
    IconChoice icon;
    int left;
    const char* pictureName;
  };
  static constexpr IconButton buttons[] = {
      {&TfmMain::sbInformation, "sbInformation", IconChoice::Information, 16, "icon_information.svg"},
      {&TfmMain::sbQuestion, "sbQuestion", IconChoice::Question, 88, "icon_question.svg"},
      {&TfmMain::sbError, "sbError", IconChoice::Error, 160, "icon_error.svg"},
      {&TfmMain::sbWarning, "sbWarning", IconChoice::Warning, 232, "icon_warning.svg"},
      {&TfmMain::sbNoIcon, "sbNoIcon", IconChoice::NoIcon, 304, nullptr},
  };
  tsIcon = createPage(pcMessageBox, "tsIcon", QStringLiteral("Icon"));
  iconButtons_ = new QButtonGroup(this);
  for (const IconButton& row : buttons) {
    QToolButton* button =
        createSpeedButton(tsIcon, row.name, QRect(row.left, 16, 65, 65), iconButtons_, static_cast<int>(row.icon));
    button->setText(toQString(iconCaption(row.icon)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    if (row.pictureName) button->setIcon(picture(row.pictureName));
    button->setIconSize(pictureSize);
    this->*row.member = button;
  }
}

void TfmMain::createButtonsPage() {
  struct ChoiceButton {
    QToolButton* TfmMain::*member;
    const char* name;
    ButtonChoice choice;
    void (TfmMain::*handler)();
    const char* caption;
    int left;
    int top;
  };
  static constexpr ChoiceButton buttons[] = {
      {&TfmMain::sbOK_OK, "sbOK_OK", ButtonChoice::OK_OK, &TfmMain::sbOK_OKClick, "OK", 16, 8},
      {&TfmMain::sbOK_OKCancel, "sbOK_OKCancel", ButtonChoice::OK_OKCancel, &TfmMain::sbOK_OKCancelClick, "OK", 16, 32},
      {&TfmMain::sbCancel_OKCancel, "sbCancel_OKCancel", ButtonChoice::Cancel_OKCancel,
       &TfmMain::sbCancel_OKCancelClick, "Cancel", 88, 32},
      {&TfmMain::sbYes_YesNo, "sbYes_YesNo", ButtonChoice::Yes_YesNo, &TfmMain::sbYes_YesNoClick, "Yes", 16, 56},
      {&TfmMain::sbNo_YesNo, "sbNo_YesNo", ButtonChoice::No_YesNo, &TfmMain::sbNo_YesNoClick, "No", 88, 56},
      {&TfmMain::sbYes_YesNoCancel, "sbYes_YesNoCancel", ButtonChoice::Yes_YesNoCancel,
       &TfmMain::sbYes_YesNoCancelClick, "Yes", 16, 80},
      {&TfmMain::sbNo_YesNoCancel, "sbNo_YesNoCancel", ButtonChoice::No_YesNoCancel, &TfmMain::sbNo_YesNoCancelClick,
       "No", 88, 80},
      {&TfmMain::sbCancel_YesNoCancel, "sbCancel_YesNoCancel", ButtonChoice::Cancel_YesNoCancel,
       &TfmMain::sbCancel_YesNoCancelClick, "Cancel", 160, 80},
      {&TfmMain::sbAbort_AbortRetryIgnore, "sbAbort_AbortRetryIgnore", ButtonChoice::Abort_AbortRetryIgnore,
       &TfmMain::sbAbort_AbortRetryIgnoreClick, "Abort", 16, 104},
      {&TfmMain::sbRetry_AbortRetryIgnore, "sbRetry_AbortRetryIgnore", ButtonChoice::Retry_AbortRetryIgnore,
       &TfmMain::sbRetry_AbortRetryIgnoreClick, "Retry", 88, 104},
      {&TfmMain::sbIgnore_AbortRetryIgnore, "sbIgnore_AbortRetryIgnore", ButtonChoice::Ignore_AbortRetryIgnore,
       &TfmMain::sbIgnore_AbortRetryIgnoreClick, "Ignore", 160, 104},
      {&TfmMain::sbRetry_RetryCancel, "sbRetry_RetryCancel", ButtonChoice::Retry_RetryCancel,
       &TfmMain::sbRetry_RetryCancelClick, "Retry", 16, 128},
      {&TfmMain::sbCancel_RetryCancel, "sbCancel_RetryCancel", ButtonChoice::Cancel_RetryCancel,
       &TfmMain::sbCancel_RetryCancelClick, "Cancel", 88, 128},
  };
  tsButtons = createPage(pcMessageBox, "tsButtons", QStringLiteral("Buttons"));
  buttonChoiceButtons_ = new QButtonGroup(this);
  for (const ChoiceButton& row : buttons) {
    QToolButton* button = createSpeedButton(tsButtons, row.name, QRect(row.left, row.top, 73, 25), buttonChoiceButtons_,
                                            static_cast<int>(row.choice));
    button->setText(QString::fromLatin1(row.caption));
    connect(button, &QToolButton::clicked, this, row.handler);
    this->*row.member = button;
  }
  shSepButtons = new QFrame(tsButtons);
  shSepButtons->setObjectName(QStringLiteral("shSepButtons"));
  shSepButtons->setFrameShape(QFrame::HLine);
  shSepButtons->setFrameShadow(QFrame::Plain);
  shSepButtons->setGeometry(16, 160, 353, 1);
  laButtons = createLabel(tsButtons, "laButtons", QPoint(16, 168), QString());
  setTextColor(laButtons, statusTextColor());
  laDefaultButton = createLabel(tsButtons, "laDefaultButton", QPoint(184, 168), QString());
  setTextColor(laDefaultButton, statusTextColor());
}

void TfmMain::createMessageBoxVariablePage() {
  tsMessageBoxVariable = createPage(pcMessageBox, "tsMessageBoxVariable", QStringLiteral("Variable"));
  edMessageBoxVariable = createEdit(tsMessageBoxVariable, "edMessageBoxVariable", QPoint(80, 16), 121);
  laMessageBoxVariable = createRightAlignedFieldLabel(tsMessageBoxVariable, "laMessageBoxVariable", fieldLabelRight, 20,
                                                      QStringLiteral("&Name:"), edMessageBoxVariable);
  laMessageBoxVariableNote = createWrappedLabel(
      tsMessageBoxVariable, "laMessageBoxVariableNote", QRect(40, 56, 337, 33),
      QStringLiteral("Please note that the variable has to be declared as integer in the 'var'-section of the "
                     "procedure!"));
  setTextColor(laMessageBoxVariableNote, statusTextColor());
}

void TfmMain::createInputBoxGeneralPage() {
  tsInputBoxGeneral = createPage(pcInputBox, "tsInputBoxGeneral", QStringLiteral("General"));
  edInputBoxCaption = createEdit(tsInputBoxGeneral, "edInputBoxCaption", QPoint(80, 16), 169);
  laInputBoxCaption = createRightAlignedFieldLabel(tsInputBoxGeneral, "laInputBoxCaption", fieldLabelRight, 20,
                                                   QStringLiteral("&Caption:"), edInputBoxCaption);
  edInputBoxText = createEdit(tsInputBoxGeneral, "edInputBoxText", QPoint(80, 48), 169);
  laInputBoxText = createRightAlignedFieldLabel(tsInputBoxGeneral, "laInputBoxText", fieldLabelRight, 52,
                                                QStringLiteral("&Text:"), edInputBoxText);
  edInputBoxDefault = createEdit(tsInputBoxGeneral, "edInputBoxDefault", QPoint(80, 80), 169);
  laDefault = createRightAlignedFieldLabel(tsInputBoxGeneral, "laDefault", fieldLabelRight, 84,
                                           QStringLiteral("&Default:"), edInputBoxDefault);
}

void TfmMain::createInputBoxVariablePage() {
  tsInputBoxVariable = createPage(pcInputBox, "tsInputBoxVariable", QStringLiteral("Variable"));
  edInputBoxVariable = createEdit(tsInputBoxVariable, "edInputBoxVariable", QPoint(80, 16), 121);
  laInputBoxVariable = createRightAlignedFieldLabel(tsInputBoxVariable, "laInputBoxVariable", fieldLabelRight, 20,
                                                    QStringLiteral("&Name:"), edInputBoxVariable);
  laInputBoxVariableNote = createWrappedLabel(
      tsInputBoxVariable, "laInputBoxVariableNote", QRect(40, 56, 337, 33),
      QStringLiteral("Please note that the variable has to be declared as string in the 'var'-section of the "
                     "procedure!"));
  setTextColor(laInputBoxVariableNote, statusTextColor());
}

void TfmMain::createFileDialogPage(const QString& kind, const QString& caption, QWidget*& page, QLabel*& titleLabel,
                                   QLineEdit*& title, QLabel*& defaultExtensionLabel, QLineEdit*& defaultExtension,
                                   QLabel*& filterLabel, FilterGrid*& filter) {
  const auto name = [&kind](const char* prefix, const char* suffix) {
    return (QLatin1String(prefix) + kind + QLatin1String(suffix)).toLatin1();
  };
  page = createPage(pcCommonDialog, name("ts", "").constData(), caption);
  title = createEdit(page, name("ed", "Title").constData(), QPoint(104, 16), 170);
  titleLabel =
      createFieldLabel(page, name("la", "Title").constData(), QPoint(71, 20), QStringLiteral("&Title:"), title);
  defaultExtension = createEdit(page, name("ed", "DefaultExtension").constData(), QPoint(104, 48), 170);
  defaultExtensionLabel = createFieldLabel(page, name("la", "DefaultExtension").constData(), QPoint(8, 52),
                                           QStringLiteral("&Default Extension:"), defaultExtension);
  filter = new FilterGrid(page);
  filter->setObjectName(QString::fromLatin1(name("sg", "Filter")));
  filter->setGeometry(104, 80, 193, 97);
  filterLabel =
      createFieldLabel(page, name("la", "Filter").constData(), QPoint(69, 84), QStringLiteral("&Filter:"), filter);
}

void TfmMain::createFontDialogPage() {
  tsFontDialog = createPage(pcCommonDialog, "tsFontDialog", toQString(dialogKindCaption(DialogKind::Font)));
  rgFontsToDisplay = new QGroupBox(QStringLiteral("Fonts To Display"), tsFontDialog);
  rgFontsToDisplay->setObjectName(QStringLiteral("rgFontsToDisplay"));
  rgFontsToDisplay->setGeometry(32, 16, 201, 113);
  fontDeviceButtons_ = new QButtonGroup(this);
  const FontDevice devices[] = {FontDevice::AllFonts, FontDevice::ScreenFontsOnly, FontDevice::PrinterFontsOnly};
  int top = 21;
  for (FontDevice device : devices) {
    auto* item = new QRadioButton(toQString(fontDeviceCaption(device)), rgFontsToDisplay);
    item->setGeometry(8, top, 185, 17);
    fontDeviceButtons_->addButton(item, static_cast<int>(device));
    top += 31;
  }
}

void TfmMain::createColorDialogPage() {
  tsColorDialog = createPage(pcCommonDialog, "tsColorDialog", toQString(dialogKindCaption(DialogKind::Color)));
  ckAllowFullOpen = createCheckBox(tsColorDialog, "ckAllowFullOpen", QRect(40, 16, 177, 17),
                                   QStringLiteral("Allow definiton of &custom colors"));
  ckFullOpen = createCheckBox(tsColorDialog, "ckFullOpen", QRect(72, 40, 185, 17),
                              QStringLiteral("&Display custom colors on showing"));
  ckAllowNonSolidColor = createCheckBox(tsColorDialog, "ckAllowNonSolidColor", QRect(40, 72, 193, 17),
                                        QStringLiteral("Allow &selection of non-solid colors"));
  ckUseNearestColor = createCheckBox(tsColorDialog, "ckUseNearestColor", QRect(72, 96, 249, 17),
                                     QStringLiteral("Use the nearest solid color to the color chosen"));
}

void TfmMain::createPrintDialogPage() {
  tsPrintDialog = createPage(pcCommonDialog, "tsPrintDialog", toQString(dialogKindCaption(DialogKind::Print)));
  ckAllowPrintToFile = createCheckBox(tsPrintDialog, "ckAllowPrintToFile", QRect(40, 16, 121, 17),
                                      QStringLiteral("Allow &printing to a file"));
}

void TfmMain::connectHandlers() {
  connect(sbMessageBox, &QToolButton::clicked, this, &TfmMain::sbMessageBoxClick);
  connect(sbInputBox, &QToolButton::clicked, this, &TfmMain::sbInputBoxClick);
  connect(sbCommonDialog, &QToolButton::clicked, this, &TfmMain::sbCommonDialogClick);
  connect(sbNew, &QPushButton::clicked, this, &TfmMain::sbNewClick);
  connect(sbTest, &QPushButton::clicked, this, &TfmMain::sbTestClick);
  connect(sbCopy, &QPushButton::clicked, this, &TfmMain::sbCopyClick);
  connect(sbExit, &QPushButton::clicked, this, &TfmMain::sbExitClick);
  connect(ckAllowFullOpen, &QCheckBox::toggled, this, &TfmMain::ckAllowFullOpenClick);
  connect(ckAllowNonSolidColor, &QCheckBox::toggled, this, &TfmMain::ckAllowNonSolidColorClick);
  for (FilterGrid* grid :
       {sgOpenDialogFilter, sgSaveDialogFilter, sgOpenPictureDialogFilter, sgSavePictureDialogFilter})
    connect(grid, &QTableWidget::currentCellChanged, this, [this, grid] { sgOpenDialogFilterClick(grid); });
  edMessageBoxVariable->installEventFilter(this);
  edInputBoxVariable->installEventFilter(this);
}

// Tab walks the visible page control, the fields of its page in front, New, Test, Copy and
// the bottom bar; the header and the creator panel hold nothing that takes the focus.
void TfmMain::setTabOrderChain() {
  const QList<QWidget*> chain = {
      pcMessageBox,
      cbMessageBoxCaption,
      meMessageBoxText,
      ckSystemModal,
      edMessageBoxVariable,
      pcInputBox,
      edInputBoxCaption,
      edInputBoxText,
      edInputBoxDefault,
      edInputBoxVariable,
      pcCommonDialog,
      edOpenDialogTitle,
      edOpenDialogDefaultExtension,
      sgOpenDialogFilter,
      edSaveDialogTitle,
      edSaveDialogDefaultExtension,
      sgSaveDialogFilter,
      edOpenPictureDialogTitle,
      edOpenPictureDialogDefaultExtension,
      sgOpenPictureDialogFilter,
      edSavePictureDialogTitle,
      edSavePictureDialogDefaultExtension,
      sgSavePictureDialogFilter,
      fontDeviceButtons_->button(static_cast<int>(FontDevice::AllFonts)),
      fontDeviceButtons_->button(static_cast<int>(FontDevice::ScreenFontsOnly)),
      fontDeviceButtons_->button(static_cast<int>(FontDevice::PrinterFontsOnly)),
      ckAllowFullOpen,
      ckFullOpen,
      ckAllowNonSolidColor,
      ckUseNearestColor,
      ckAllowPrintToFile,
      sbNew,
      sbTest,
      sbCopy,
      sbHelp,
      sbAbout,
      sbExit,
  };
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

// An access key is offered to the bottom bar, then to the page in front, then to Test,
// Copy and New.
std::vector<QWidget*> TfmMain::accessKeyOrder() const {
  std::vector<QWidget*> order = {sbHelp, sbAbout, sbExit};
  const QList<QWidget*> pageControls = pageControl(activeCreator())->currentWidget()->findChildren<QWidget*>();
  order.insert(order.end(), pageControls.begin(), pageControls.end());
  order.insert(order.end(), {sbTest, sbCopy, sbNew});
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

CreatorKind TfmMain::activeCreator() const { return static_cast<CreatorKind>(creatorButtons_->checkedId()); }

QTabWidget* TfmMain::pageControl(CreatorKind kind) const {
  switch (kind) {
    case CreatorKind::MessageBox:
      return pcMessageBox;
    case CreatorKind::InputBox:
      return pcInputBox;
    case CreatorKind::CommonDialog:
      return pcCommonDialog;
  }
  return pcMessageBox;
}

ComposerSettings TfmMain::readSettings() const {
  ComposerSettings settings;
  settings.activeCreator = activeCreator();
  settings.messageBox = readMessageBox();
  settings.inputBox = readInputBox();
  settings.commonDialog = readCommonDialog();
  return settings;
}

MessageBoxSettings TfmMain::readMessageBox() const {
  MessageBoxSettings settings;
  settings.caption = toStd(cbMessageBoxCaption->currentText());
  const QString message = meMessageBoxText->toPlainText();
  settings.text = toStd(withCrLfLineBreaks(message));
  settings.lines = displayLines(message, meMessageBoxText->font(), plainTextEditTextWidth(*meMessageBoxText));
  settings.icon = static_cast<IconChoice>(iconButtons_->checkedId());
  settings.buttons = static_cast<ButtonChoice>(buttonChoiceButtons_->checkedId());
  settings.systemModal = ckSystemModal->isChecked();
  settings.variable = toStd(edMessageBoxVariable->text());
  return settings;
}

InputBoxSettings TfmMain::readInputBox() const {
  InputBoxSettings settings;
  settings.caption = toStd(edInputBoxCaption->text());
  settings.prompt = toStd(edInputBoxText->text());
  settings.defaultText = toStd(edInputBoxDefault->text());
  settings.variable = toStd(edInputBoxVariable->text());
  return settings;
}

CommonDialogSettings TfmMain::readCommonDialog() const {
  CommonDialogSettings settings;
  settings.activeDialog = static_cast<DialogKind>(pcCommonDialog->currentIndex());
  settings.open = readFileDialog(edOpenDialogTitle, edOpenDialogDefaultExtension, sgOpenDialogFilter);
  settings.save = readFileDialog(edSaveDialogTitle, edSaveDialogDefaultExtension, sgSaveDialogFilter);
  settings.openPicture =
      readFileDialog(edOpenPictureDialogTitle, edOpenPictureDialogDefaultExtension, sgOpenPictureDialogFilter);
  settings.savePicture =
      readFileDialog(edSavePictureDialogTitle, edSavePictureDialogDefaultExtension, sgSavePictureDialogFilter);
  settings.fontDevice = static_cast<FontDevice>(fontDeviceButtons_->checkedId());
  settings.allowCustomColors = ckAllowFullOpen->isChecked();
  settings.showCustomColors = ckFullOpen->isChecked();
  settings.allowNonSolidColors = ckAllowNonSolidColor->isChecked();
  settings.useNearestSolidColor = ckUseNearestColor->isChecked();
  settings.allowPrintToFile = ckAllowPrintToFile->isChecked();
  return settings;
}

void TfmMain::FormCreate() {
  for (FilterGrid* grid :
       {sgOpenDialogFilter, sgSaveDialogFilter, sgOpenPictureDialogFilter, sgSavePictureDialogFilter})
    grid->setHeaderTexts(QStringLiteral("Filter Name"), QStringLiteral("Filter"));
}

void TfmMain::switchCreator(CreatorKind kind) {
  laHeader->setText(toQString(creatorCaption(kind)));
  laHeader->adjustSize();
  pageControl(kind)->show();
  for (CreatorKind other : {CreatorKind::MessageBox, CreatorKind::InputBox, CreatorKind::CommonDialog})
    if (other != kind) pageControl(other)->hide();
  sbNewClick();
}

void TfmMain::resetMessageBoxPages() {
  const MessageBoxSettings initial = defaults().messageBox;
  cbMessageBoxCaption->setCurrentIndex(-1);
  cbMessageBoxCaption->setEditText(toQString(initial.caption));
  meMessageBoxText->setPlainText(toQString(initial.text));
  ckSystemModal->setChecked(initial.systemModal);
  iconButtons_->button(static_cast<int>(initial.icon))->setChecked(true);
  buttonChoiceButtons_->button(static_cast<int>(initial.buttons))->setChecked(true);
  showButtonChoice(initial.buttons);
  edMessageBoxVariable->setText(toQString(initial.variable));
}

void TfmMain::resetInputBoxPages() {
  const InputBoxSettings initial = defaults().inputBox;
  edInputBoxCaption->setText(toQString(initial.caption));
  edInputBoxText->setText(toQString(initial.prompt));
  edInputBoxDefault->setText(toQString(initial.defaultText));
  edInputBoxVariable->setText(toQString(initial.variable));
}

void TfmMain::resetCommonDialogPages() {
  const CommonDialogSettings initial = defaults().commonDialog;
  clearFileDialog(edOpenDialogTitle, edOpenDialogDefaultExtension, sgOpenDialogFilter);
  clearFileDialog(edSaveDialogTitle, edSaveDialogDefaultExtension, sgSaveDialogFilter);
  clearFileDialog(edOpenPictureDialogTitle, edOpenPictureDialogDefaultExtension, sgOpenPictureDialogFilter);
  clearFileDialog(edSavePictureDialogTitle, edSavePictureDialogDefaultExtension, sgSavePictureDialogFilter);
  fontDeviceButtons_->button(static_cast<int>(initial.fontDevice))->setChecked(true);
  ckAllowFullOpen->setChecked(initial.allowCustomColors);
  ckAllowNonSolidColor->setChecked(initial.allowNonSolidColors);
  ckAllowPrintToFile->setChecked(initial.allowPrintToFile);
  ckAllowFullOpenClick();
  ckAllowNonSolidColorClick();
}

void TfmMain::showButtonChoice(ButtonChoice choice) {
  laButtons->setText(toQString(buttonSetLabel(choice)));
  laButtons->adjustSize();
  laDefaultButton->setText(toQString(defaultButtonLabel(choice)));
  laDefaultButton->adjustSize();
}

void TfmMain::sbMessageBoxClick() { switchCreator(CreatorKind::MessageBox); }

void TfmMain::sbInputBoxClick() { switchCreator(CreatorKind::InputBox); }

void TfmMain::sbCommonDialogClick() { switchCreator(CreatorKind::CommonDialog); }

// Returns the active creator's settings to their defaults and brings its first page to front.
void TfmMain::sbNewClick() {
  const CreatorKind kind = activeCreator();
  switch (kind) {
    case CreatorKind::MessageBox:
      resetMessageBoxPages();
      break;
    case CreatorKind::InputBox:
      resetInputBoxPages();
      break;
    case CreatorKind::CommonDialog:
      resetCommonDialogPages();
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

void TfmMain::sbExitClick() { close(); }

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
  const QString corrected = toQString(VariableNameRule(toStd(sender->text())));
  if (corrected != sender->text()) sender->setText(corrected);
}

void TfmMain::sgOpenDialogFilterClick(FilterGrid* sender) { sender->openEditor(); }

void TfmMain::ckAllowFullOpenClick() { followCheckBox(ckAllowFullOpen, ckFullOpen); }

void TfmMain::ckAllowNonSolidColorClick() { followCheckBox(ckAllowNonSolidColor, ckUseNearestColor); }

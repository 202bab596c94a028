#pragma once

#include "composer_settings.h"

#include <QWidget>

class BevelPanel;
class FilterGrid;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// The composer window. On the left the user picks one of three creators; the work space
// shows that creator's tabbed pages with "&New", "&Test" and "&Copy"; the bottom bar holds
// "&Help", "&About" and "E&xit". The controls hold the settings for the window's whole
// life: Test and Copy read them into a fresh ComposerSettings, New and the creator
// buttons write the defaults back.
class TfmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfmMain(QWidget* parent = nullptr);

  // The controls as they stand, read into a fresh settings value.
  ComposerSettings readSettings() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createHeader();
  void createCreatorMenu();
  void createWorkSpace();
  void createMainMenu();
  void createMessageBoxGeneralPage();
  void createIconPage();
  void createButtonsPage();
  void createMessageBoxVariablePage();
  void createInputBoxGeneralPage();
  void createInputBoxVariablePage();
  void createFileDialogPage(const QString& kind, const QString& caption, QWidget*& page, QLabel*& titleLabel,
                            QLineEdit*& title, QLabel*& defaultExtensionLabel, QLineEdit*& defaultExtension,
                            QLabel*& filterLabel, FilterGrid*& filter);
  void createFontDialogPage();
  void createColorDialogPage();
  void createPrintDialogPage();
  void connectHandlers();
  void setTabOrderChain();
  std::vector<QWidget*> accessKeyOrder() const;

  CreatorKind activeCreator() const;
  QTabWidget* pageControl(CreatorKind kind) const;
  void switchCreator(CreatorKind kind);
  void resetMessageBoxPages();
  void resetInputBoxPages();
  void resetCommonDialogPages();
  void showButtonChoice(ButtonChoice choice);
  MessageBoxSettings readMessageBox() const;
  InputBoxSettings readInputBox() const;
  CommonDialogSettings readCommonDialog() const;

  void FormCreate();
  void sbMessageBoxClick();
  void sbInputBoxClick();
  void sbCommonDialogClick();
  void sbNewClick();
  void sbTestClick();
  void sbCopyClick();
  void sbExitClick();
  void sbOK_OKClick();
  void sbOK_OKCancelClick();
  void sbCancel_OKCancelClick();
  void sbYes_YesNoClick();
  void sbNo_YesNoClick();
  void sbYes_YesNoCancelClick();
  void sbNo_YesNoCancelClick();
  void sbCancel_YesNoCancelClick();
  void sbAbort_AbortRetryIgnoreClick();
  void sbRetry_AbortRetryIgnoreClick();
  void sbIgnore_AbortRetryIgnoreClick();
  void sbRetry_RetryCancelClick();
  void sbCancel_RetryCancelClick();
  void edMessageBoxVariableExit(QLineEdit* sender);
  void sgOpenDialogFilterClick(FilterGrid* sender);
  void ckAllowFullOpenClick();
  void ckAllowNonSolidColorClick();

  QButtonGroup* creatorButtons_;
  QButtonGroup* iconButtons_;
  QButtonGroup* buttonChoiceButtons_;
  QButtonGroup* fontDeviceButtons_;

  BevelPanel* paHeader;
  QLabel* laHeader;
  BevelPanel* paMenu;
  QToolButton* sbMessageBox;
  QLabel* laMessageBox;
  QToolButton* sbInputBox;
  QLabel* laInputBox;
  QToolButton* sbCommonDialog;
  QLabel* laCommonDialog;
  BevelPanel* paWorkSpace;
  QTabWidget* pcMessageBox;
  QTabWidget* pcInputBox;
  QTabWidget* pcCommonDialog;
  QPushButton* sbNew;
  QPushButton* sbTest;
  QPushButton* sbCopy;
  BevelPanel* paMainMenu;
  QPushButton* sbHelp;
  QPushButton* sbAbout;
  QPushButton* sbExit;

  QWidget* tsMessageBoxGeneral;
  QLabel* laCaption;
  QComboBox* cbMessageBoxCaption;
  QLabel* laText;
  QPlainTextEdit* meMessageBoxText;
  QCheckBox* ckSystemModal;

  QWidget* tsIcon;
  QToolButton* sbInformation;
  QToolButton* sbQuestion;
  QToolButton* sbError;
  QToolButton* sbWarning;
  QToolButton* sbNoIcon;

  QWidget* tsButtons;
  QToolButton* sbOK_OK;
  QToolButton* sbOK_OKCancel;
  QToolButton* sbCancel_OKCancel;
  QToolButton* sbYes_YesNo;
  QToolButton* sbNo_YesNo;
  QToolButton* sbYes_YesNoCancel;
  QToolButton* sbNo_YesNoCancel;
  QToolButton* sbCancel_YesNoCancel;
  QToolButton* sbAbort_AbortRetryIgnore;
  QToolButton* sbRetry_AbortRetryIgnore;
  QToolButton* sbIgnore_AbortRetryIgnore;
  QToolButton* sbRetry_RetryCancel;
  QToolButton* sbCancel_RetryCancel;
  QFrame* shSepButtons;
  QLabel* laButtons;
  QLabel* laDefaultButton;

  QWidget* tsMessageBoxVariable;
  QLabel* laMessageBoxVariable;
  QLineEdit* edMessageBoxVariable;
  QLabel* laMessageBoxVariableNote;

  QWidget* tsInputBoxGeneral;
  QLabel* laInputBoxCaption;
  QLineEdit* edInputBoxCaption;
  QLabel* laInputBoxText;
  QLineEdit* edInputBoxText;
  QLabel* laDefault;
  QLineEdit* edInputBoxDefault;

  QWidget* tsInputBoxVariable;
  QLabel* laInputBoxVariable;
  QLineEdit* edInputBoxVariable;
  QLabel* laInputBoxVariableNote;

  QWidget* tsOpenDialog;
  QLabel* laOpenDialogTitle;
  QLineEdit* edOpenDialogTitle;
  QLabel* laOpenDialogDefaultExtension;
  QLineEdit* edOpenDialogDefaultExtension;
  QLabel* laOpenDialogFilter;
  FilterGrid* sgOpenDialogFilter;

  QWidget* tsSaveDialog;
  QLabel* laSaveDialogTitle;
  QLineEdit* edSaveDialogTitle;
  QLabel* laSaveDialogDefaultExtension;
  QLineEdit* edSaveDialogDefaultExtension;
  QLabel* laSaveDialogFilter;
  FilterGrid* sgSaveDialogFilter;

  QWidget* tsOpenPictureDialog;
  QLabel* laOpenPictureDialogTitle;
  QLineEdit* edOpenPictureDialogTitle;
  QLabel* laOpenPictureDialogDefaultExtension;
  QLineEdit* edOpenPictureDialogDefaultExtension;
  QLabel* laOpenPictureDialogFilter;
  FilterGrid* sgOpenPictureDialogFilter;

  QWidget* tsSavePictureDialog;
  QLabel* laSavePictureDialogTitle;
  QLineEdit* edSavePictureDialogTitle;
  QLabel* laSavePictureDialogDefaultExtension;
  QLineEdit* edSavePictureDialogDefaultExtension;
  QLabel* laSavePictureDialogFilter;
  FilterGrid* sgSavePictureDialogFilter;

  QWidget* tsFontDialog;
  QGroupBox* rgFontsToDisplay;

  QWidget* tsColorDialog;
  QCheckBox* ckAllowFullOpen;
  QCheckBox* ckFullOpen;
  QCheckBox* ckAllowNonSolidColor;
  QCheckBox* ckUseNearestColor;

  QWidget* tsPrintDialog;
  QCheckBox* ckAllowPrintToFile;
};

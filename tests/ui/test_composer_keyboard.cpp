// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "build_filter_string.h"
#include "composer_window_driver.h"
#include "modal_dialog_probe.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

// The composer window from the keyboard: access keys in the window's own order, the
// variable-name rule on leaving the field, the tab order and the filter grids.
class TestComposerKeyboard : public QObject {
  Q_OBJECT

  std::unique_ptr<ComposerWindowDriver> ui;

  // Shows a creator's page and puts the focus on its tab bar, where no text is typed.
  void showPage(const QString& creatorButton, const QString& pageControl, int page) {
    ui->click(creatorButton.toLatin1());
    ui->clickTab(pageControl.toLatin1(), page);
    QCOMPARE(ui->focusName(), pageControl);
  }

 private slots:
  void init() {
    ui = std::make_unique<ComposerWindowDriver>();
    QVERIFY(ui->isActive());
    QGuiApplication::clipboard()->setText("earlier");
  }

  void cleanup() {
    ui.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void accessKeyGoesToTheFirstControlThatCanTakeIt_data() {
    QTest::addColumn<QString>("creatorButton");
    QTest::addColumn<QString>("pageControl");
    QTest::addColumn<int>("page");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("focus");    // the control that has the focus afterwards
    QTest::addColumn<QString>("checked");  // the check box that became checked, if any
    QTest::addColumn<bool>("copied");
    const auto row = [](const char* name, const char* button, const char* pages, int page, char letter,
                        const char* focus, const char* checked, bool copied) {
      QTest::newRow(name) << button << pages << page << letter << focus << checked << copied;
    };
    row("General Alt+C: caption", "sbMessageBox", "pcMessageBox", 0, 'C', "cbMessageBoxCaption", "", false);
    row("General Alt+T: text", "sbMessageBox", "pcMessageBox", 0, 'T', "meMessageBoxText", "", false);
    row("General Alt+S: system-modal", "sbMessageBox", "pcMessageBox", 0, 'S', "ckSystemModal", "ckSystemModal", false);
    row("Icon Alt+C: copy", "sbMessageBox", "pcMessageBox", 1, 'C', "pcMessageBox", "", true);
    row("Variable Alt+N: name", "sbMessageBox", "pcMessageBox", 3, 'N', "edMessageBoxVariable", "", false);
    row("Variable Alt+C: copy", "sbMessageBox", "pcMessageBox", 3, 'C', "pcMessageBox", "", true);
    row("input General Alt+C: caption", "sbInputBox", "pcInputBox", 0, 'C', "edInputBoxCaption", "", false);
    row("input General Alt+D: default", "sbInputBox", "pcInputBox", 0, 'D', "edInputBoxDefault", "", false);
    row("input Variable Alt+N: name", "sbInputBox", "pcInputBox", 1, 'N', "edInputBoxVariable", "", false);
    row("Open Alt+T: title", "sbCommonDialog", "pcCommonDialog", 0, 'T', "edOpenDialogTitle", "", false);
    row("Save Alt+D: default extension", "sbCommonDialog", "pcCommonDialog", 1, 'D', "edSaveDialogDefaultExtension", "",
        false);
    row("Open-Picture Alt+F: filter", "sbCommonDialog", "pcCommonDialog", 2, 'F', "sgOpenPictureDialogFilter", "",
        false);
    row("Font Alt+C: copy", "sbCommonDialog", "pcCommonDialog", 4, 'C', "pcCommonDialog", "", true);
    row("Color Alt+C: custom colors", "sbCommonDialog", "pcCommonDialog", 5, 'C', "ckAllowFullOpen", "ckAllowFullOpen",
        false);
    row("Color Alt+D: disabled box passes", "sbCommonDialog", "pcCommonDialog", 5, 'D', "pcCommonDialog", "", false);
    row("Print Alt+P: print to file", "sbCommonDialog", "pcCommonDialog", 6, 'P', "ckAllowPrintToFile",
        "ckAllowPrintToFile", false);
  }

  void accessKeyGoesToTheFirstControlThatCanTakeIt() {
    QFETCH(QString, creatorButton);
    QFETCH(QString, pageControl);
    QFETCH(int, page);
    QFETCH(char, letter);
    QFETCH(QString, focus);
    QFETCH(QString, checked);
    QFETCH(bool, copied);
    showPage(creatorButton, pageControl, page);
    ui->altKey(letter);
    QCOMPARE(ui->focusName(), focus);
    for (QCheckBox* box : ui->window().findChildren<QCheckBox*>())
      QCOMPARE(box->isChecked(), box->objectName() == checked);
    QCOMPARE(ui->clipboard().startsWith("//Begin"), copied);
  }

  // Every access key of the window pressed on every page: the control that takes it, or "-".
  // The push buttons are cut off from their handlers here, so only the taking is seen.
  void eachAltLetterReachesItsControlOnEveryPage_data() {
    QTest::addColumn<QString>("creatorButton");
    QTest::addColumn<QString>("pageControl");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("taken");  // for A C D F H N P S T X
    const auto row = [](const char* name, const char* button, const char* pages, int page, const char* taken) {
      QTest::newRow(name) << button << pages << page << taken;
    };
    row("message box General", "sbMessageBox", "pcMessageBox", 0,
        "sbAbout cbMessageBoxCaption - - sbHelp sbNew - ckSystemModal meMessageBoxText sbExit");
    row("message box Icon", "sbMessageBox", "pcMessageBox", 1, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("message box Buttons", "sbMessageBox", "pcMessageBox", 2, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("message box Variable", "sbMessageBox", "pcMessageBox", 3,
        "sbAbout sbCopy - - sbHelp edMessageBoxVariable - - sbTest sbExit");
    row("input box General", "sbInputBox", "pcInputBox", 0,
        "sbAbout edInputBoxCaption edInputBoxDefault - sbHelp sbNew - - edInputBoxText sbExit");
    row("input box Variable", "sbInputBox", "pcInputBox", 1,
        "sbAbout sbCopy - - sbHelp edInputBoxVariable - - sbTest sbExit");
    row("Open Dialog", "sbCommonDialog", "pcCommonDialog", 0,
        "sbAbout sbCopy edOpenDialogDefaultExtension sgOpenDialogFilter sbHelp sbNew - - edOpenDialogTitle sbExit");
    row("Save Dialog", "sbCommonDialog", "pcCommonDialog", 1,
        "sbAbout sbCopy edSaveDialogDefaultExtension sgSaveDialogFilter sbHelp sbNew - - edSaveDialogTitle sbExit");
    row("Open-Picture Dialog", "sbCommonDialog", "pcCommonDialog", 2,
        "sbAbout sbCopy edOpenPictureDialogDefaultExtension sgOpenPictureDialogFilter sbHelp sbNew - - "
        "edOpenPictureDialogTitle sbExit");
    row("Save-Picture Dialog", "sbCommonDialog", "pcCommonDialog", 3,
        "sbAbout sbCopy edSavePictureDialogDefaultExtension sgSavePictureDialogFilter sbHelp sbNew - - "
        "edSavePictureDialogTitle sbExit");
    row("Font Dialog", "sbCommonDialog", "pcCommonDialog", 4, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("Color Dialog", "sbCommonDialog", "pcCommonDialog", 5,
        "sbAbout ckAllowFullOpen - - sbHelp sbNew - ckAllowNonSolidColor sbTest sbExit");
    row("Print Dialog", "sbCommonDialog", "pcCommonDialog", 6,
        "sbAbout sbCopy - - sbHelp sbNew ckAllowPrintToFile - sbTest sbExit");
  }

  void eachAltLetterReachesItsControlOnEveryPage() {
    QFETCH(QString, creatorButton);
    QFETCH(QString, pageControl);
    QFETCH(int, page);
    QFETCH(QString, taken);
    showPage(creatorButton, pageControl, page);
    QString pressed;
    for (QPushButton* button : ui->window().findChildren<QPushButton*>()) {
      button->disconnect(SIGNAL(clicked(bool)));
      connect(button, &QPushButton::clicked, button, [&pressed, button] { pressed = button->objectName(); });
    }
    QStringList takers;
    for (char letter : QByteArray("ACDFHNPSTX")) {
      const QWidget* focusBefore = QApplication::focusWidget();
      pressed.clear();
      ui->altKey(letter);
      QString taker = pressed;
      for (QCheckBox* box : ui->window().findChildren<QCheckBox*>()) {
        if (!box->isChecked()) continue;
        taker = box->objectName();
        box->setChecked(false);
      }
      if (taker.isEmpty() && QApplication::focusWidget() != focusBefore) taker = ui->focusName();
      takers << (taker.isEmpty() ? "-" : taker);
      ui->clickTab(pageControl.toLatin1(), page);
    }
    QCOMPARE(takers.join(' '), taken);
  }

  void altNPerformsNewWhereThePageHasNoNameField() {
    ui->typeInto("cbMessageBoxCaption", "Confirm");
    ui->altKey('N');
    QCOMPARE(ui->window().readSettings().messageBox.caption, "");
  }

  void altXExitsFromAnyPage() {
    showPage("sbCommonDialog", "pcCommonDialog", 5);
    ui->altKey('X');
    QVERIFY(!ui->window().isVisible());
  }

  void altTTestsWhereThePageHasNoTextField() {
    showPage("sbMessageBox", "pcMessageBox", 2);
    QString shownTitle = "none shown";
    ModalDialogProbe probe([&](QDialog* shown) { shownTitle = shown->windowTitle(); });
    ui->altKey('T');
    QVERIFY(probe.seen());
    QCOMPARE(shownTitle, QString(""));
    QCOMPARE(ui->window().focusWidget(), ui->find<QTabWidget>("pcMessageBox")->tabBar());
  }

  void plainLetterIsAnAccessKeyOnlyWhereNoTextIsTyped() {
    ui->find<QWidget>("sbNew")->setFocus();
    ui->key(Qt::Key_C);
    QCOMPARE(ui->focusName(), QString("cbMessageBoxCaption"));
    ui->key(Qt::Key_C);
    QCOMPARE(ui->window().readSettings().messageBox.caption, "c");
    QCOMPARE(ui->clipboard(), "earlier");

    ui->clickTab("pcMessageBox", 1);
    ui->find<QWidget>("sbNew")->setFocus();
    ui->key(Qt::Key_C);
    QVERIFY(ui->clipboard().startsWith("//Begin"));
    QCOMPARE(ui->focusName(), QString("sbNew"));
  }

  void variableNameRuleOnLeavingTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digit at the end") << "edMessageBoxVariable" << 3 << "Res1"
                                      << "Result";
    QTest::newRow("digit first") << "edMessageBoxVariable" << 3 << "1st"
                                 << "Result";
    QTest::newRow("blank") << "edInputBoxVariable" << 1 << "my var"
                           << "Result";
    QTest::newRow("underscore") << "edInputBoxVariable" << 1 << "my_var"
                                << "my_var";
    QTest::newRow("empty") << "edMessageBoxVariable" << 3 << ""
                           << "";
    QTest::newRow("other characters") << "edMessageBoxVariable" << 3 << "Name-$"
                                      << "Name-$";
  }

  void variableNameRuleOnLeavingTheField() {
    QFETCH(QString, field);
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const bool inputBox = field == "edInputBoxVariable";
    showPage(inputBox ? "sbInputBox" : "sbMessageBox", inputBox ? "pcInputBox" : "pcMessageBox", page);
    auto* edit = ui->find<QLineEdit>(field.toLatin1());
    ui->click(edit);
    edit->selectAll();
    ui->key(Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    ui->key(Qt::Key_Tab);
    QCOMPARE(edit->text(), kept);
  }

  void variableNameRuleDependsOnHowTheFocusLeaves_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("callLine");
    QTest::newRow("click on Copy") << "click" << QByteArray("Result := MessageBox(");
    QTest::newRow("click on another tab") << "tab" << QByteArray("Result := MessageBox(");
    QTest::newRow("Shift+Tab") << "backtab" << QByteArray("Result := MessageBox(");
    QTest::newRow("Alt+C presses Copy") << "alt" << QByteArray("my var := MessageBox(");
    QTest::newRow("another window") << "window" << QByteArray("my var := MessageBox(");
  }

  void variableNameRuleDependsOnHowTheFocusLeaves() {
    QFETCH(QString, how);
    QFETCH(QByteArray, callLine);
    showPage("sbMessageBox", "pcMessageBox", 3);
    auto* edit = ui->find<QLineEdit>("edMessageBoxVariable");
    ui->click(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "my var");
    if (how == "click") {
      ui->click("sbCopy");
    } else if (how == "tab") {
      ui->clickTab("pcMessageBox", 0);
      ui->clickTab("pcMessageBox", 3);
      ui->click("sbCopy");
    } else if (how == "backtab") {
      ui->key(Qt::Key_Backtab, Qt::ShiftModifier);
      ui->altKey('C');
    } else if (how == "alt") {
      ui->altKey('C');
      QCOMPARE(ui->focusName(), QString("edMessageBoxVariable"));
    } else {
      QWidget other;
      other.show();
      QVERIFY(QTest::qWaitForWindowActive(&other));
      other.close();
      QApplication::setActiveWindow(&ui->window());
      QVERIFY(QTest::qWaitForWindowActive(&ui->window()));
      ui->altKey('C');
    }
    QVERIFY2(ui->clipboard().contains("\r\n" + callLine), ui->clipboard().constData());
  }

  void tabWalksThePageInFrontThenTheButtons_data() {
    QTest::addColumn<QString>("creatorButton");
    QTest::addColumn<QString>("pageControl");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("walk");
    const QStringList buttons = {"sbNew", "sbTest", "sbCopy", "sbHelp", "sbAbout", "sbExit"};
    QTest::newRow("message box General") << "sbMessageBox"
                                         << "pcMessageBox" << 0
                                         << QStringList{"cbMessageBoxCaption", "meMessageBoxText", "ckSystemModal"} +
                                                buttons + QStringList{"pcMessageBox"};
    QTest::newRow("message box Icon") << "sbMessageBox"
                                      << "pcMessageBox" << 1 << buttons + QStringList{"pcMessageBox"};
    QTest::newRow("input box General") << "sbInputBox"
                                       << "pcInputBox" << 0
                                       << QStringList{"edInputBoxCaption", "edInputBoxText", "edInputBoxDefault"} +
                                              buttons;
    QTest::newRow("Color Dialog, dependent boxes disabled")
        << "sbCommonDialog"
        << "pcCommonDialog" << 5
        << QStringList{"ckAllowFullOpen", "ckAllowNonSolidColor"} + buttons + QStringList{"pcCommonDialog"};
    QTest::newRow("Open Dialog, the grid keeps Tab")
        << "sbCommonDialog"
        << "pcCommonDialog" << 0
        << QStringList{"edOpenDialogTitle", "edOpenDialogDefaultExtension", "sgOpenDialogFilter", "sgOpenDialogFilter"};
    QTest::newRow("message box Buttons") << "sbMessageBox"
                                         << "pcMessageBox" << 2 << buttons + QStringList{"pcMessageBox"};
    QTest::newRow("message box Variable")
        << "sbMessageBox"
        << "pcMessageBox" << 3 << QStringList{"edMessageBoxVariable"} + buttons + QStringList{"pcMessageBox"};
    QTest::newRow("input box Variable") << "sbInputBox"
                                        << "pcInputBox" << 1
                                        << QStringList{"edInputBoxVariable"} + buttons + QStringList{"pcInputBox"};
    for (int page = 1; page < 4; ++page) {
      const QString kind = QStringList{"Save", "OpenPicture", "SavePicture"}.at(page - 1) + "Dialog";
      QTest::newRow(qPrintable(kind)) << "sbCommonDialog"
                                      << "pcCommonDialog" << page
                                      << QStringList{"ed" + kind + "Title", "ed" + kind + "DefaultExtension",
                                                     "sg" + kind + "Filter", "sg" + kind + "Filter"};
    }
    QTest::newRow("Font Dialog") << "sbCommonDialog"
                                 << "pcCommonDialog" << 4 << QStringList{"All Fonts", "sbNew"};
    QTest::newRow("Print Dialog") << "sbCommonDialog"
                                  << "pcCommonDialog" << 6
                                  << QStringList{"ckAllowPrintToFile"} + buttons + QStringList{"pcCommonDialog"};
  }

  void tabWalksThePageInFrontThenTheButtons() {
    QFETCH(QString, creatorButton);
    QFETCH(QString, pageControl);
    QFETCH(int, page);
    QFETCH(QStringList, walk);
    showPage(creatorButton, pageControl, page);
    QStringList walked;
    for (qsizetype i = 0; i < walk.size(); ++i) {
      ui->key(Qt::Key_Tab);
      QString name = ui->focusName();
      if (auto* item = qobject_cast<QRadioButton*>(QApplication::focusWidget()))
        name = item->text();  // a radio group's item
      else if (name.isEmpty() && QApplication::focusWidget()->parentWidget()->parentWidget())
        name = QApplication::focusWidget()->parentWidget()->parentWidget()->objectName();  // a grid's cell editor
      walked << name;
    }
    QCOMPARE(walked, walk);
  }

  void filterGridKeyboardFeedsTheFilterString() {
    showPage("sbCommonDialog", "pcCommonDialog", 0);
    ui->altKey('F');
    QTest::keyClicks(QApplication::focusWidget(), "Text files");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "*.txt");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "All");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "*.*");
    ui->key(Qt::Key_Return);
    QCOMPARE(BuildFilterString(ui->window().readSettings().commonDialog.open.filters), "Text files|*.txt|All|*.*");
    ui->click("sbCopy");
    QVERIFY(ui->clipboard().contains("OpenDialog1.Filter := 'Text files|*.txt|All|*.*';\r\n"));
  }
};

QTEST_MAIN(TestComposerKeyboard)
#include "test_composer_keyboard.moc"

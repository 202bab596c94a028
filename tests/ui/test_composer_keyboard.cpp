// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/build_filter_string.h"
#include "tests/support/modal_dialog_probe.h"
#include "tests/ui/composer_window_driver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// The composer window from the keyboard: access keys in the window's own order, the
// variable-name rule on leaving the field, the tab order and the filter grids.
class TestComposerKeyboard : public ComposerWindowTest {
  Q_OBJECT

 private slots:
  // Access keys whose control acts: a check box is checked, Copy copies, and the focus stays
  // or moves as the rows say. Where the key only moves the focus into a field, the table of
  // every page below holds it.
  void accessKeyGoesToTheFirstControlThatCanTakeIt_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<int>("page");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("focus");    // the control that has the focus afterwards
    QTest::addColumn<QString>("checked");  // the check box that became checked, if any
    QTest::addColumn<bool>("copied");
    const auto row = [](const char* name, const char* creator, int page, char letter, const char* focus,
                        const char* checked, bool copied) {
      QTest::newRow(name) << creator << page << letter << focus << checked << copied;
    };
    row("General Alt+S: system-modal", "MessageBox", 0, 'S', "ckSystemModal", "ckSystemModal", false);
    row("Icon Alt+C: copy", "MessageBox", 1, 'C', "pcMessageBox", "", true);
    row("Variable Alt+C: copy", "MessageBox", 3, 'C', "pcMessageBox", "", true);
    row("Font Alt+C: copy", "CommonDialog", 4, 'C', "pcCommonDialog", "", true);
    row("Color Alt+C: custom colors", "CommonDialog", 5, 'C', "ckAllowFullOpen", "ckAllowFullOpen", false);
    row("Print Alt+P: print to file", "CommonDialog", 6, 'P', "ckAllowPrintToFile", "ckAllowPrintToFile", false);
  }

  void accessKeyGoesToTheFirstControlThatCanTakeIt() {
    QFETCH(QString, creator);
    QFETCH(int, page);
    QFETCH(char, letter);
    QFETCH(QString, focus);
    QFETCH(QString, checked);
    QFETCH(bool, copied);
    ui->showPage(creator, page);
    ui->altKey(letter);
    QCOMPARE(ui->focusName(), focus);
    for (QCheckBox* box : ui->window().findChildren<QCheckBox*>())
      QCOMPARE(box->isChecked(), box->objectName() == checked);
    QCOMPARE(ui->clipboard().startsWith("//Begin"), copied);
  }

  // Every access key of the window pressed on every page: the control that takes it, or "-".
  // The push buttons are cut off from their handlers here, so only the taking is seen.
  void eachAltLetterReachesItsControlOnEveryPage_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("taken");  // for A C D F H N P S T X
    const auto row = [](const char* name, const char* creator, int page, const char* taken) {
      QTest::newRow(name) << creator << page << taken;
    };
    row("message box General", "MessageBox", 0,
        "sbAbout cbMessageBoxCaption - - sbHelp sbNew - ckSystemModal meMessageBoxText sbExit");
    row("message box Icon", "MessageBox", 1, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("message box Buttons", "MessageBox", 2, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("message box Variable", "MessageBox", 3, "sbAbout sbCopy - - sbHelp edMessageBoxVariable - - sbTest sbExit");
    row("input box General", "InputBox", 0,
        "sbAbout edInputBoxCaption edInputBoxDefault - sbHelp sbNew - - edInputBoxText sbExit");
    row("input box Variable", "InputBox", 1, "sbAbout sbCopy - - sbHelp edInputBoxVariable - - sbTest sbExit");
    const QStringList fileDialogs = {"OpenDialog", "SaveDialog", "OpenPictureDialog", "SavePictureDialog"};
    for (int page = 0; page < 4; ++page)
      row(qPrintable(fileDialogs[page]), "CommonDialog", page,
          qPrintable(QString("sbAbout sbCopy ed%1DefaultExtension sg%1Filter sbHelp sbNew - - ed%1Title sbExit")
                         .arg(fileDialogs[page])));
    row("Font Dialog", "CommonDialog", 4, "sbAbout sbCopy - - sbHelp sbNew - - sbTest sbExit");
    row("Color Dialog", "CommonDialog", 5,
        "sbAbout ckAllowFullOpen - - sbHelp sbNew - ckAllowNonSolidColor sbTest sbExit");
    row("Print Dialog", "CommonDialog", 6, "sbAbout sbCopy - - sbHelp sbNew ckAllowPrintToFile - sbTest sbExit");
  }

  void eachAltLetterReachesItsControlOnEveryPage() {
    QFETCH(QString, creator);
    QFETCH(int, page);
    QFETCH(QString, taken);
    ui->showPage(creator, page);
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
      ui->clickTab(("pc" + creator).toLatin1(), page);
    }
    QCOMPARE(takers.join(' '), taken);
  }

  void altNPerformsNewWhereThePageHasNoNameField() {
    ui->typeInto("cbMessageBoxCaption", "Confirm");
    ui->altKey('N');
    QCOMPARE(ui->window().readSettings().messageBox.caption, "");
  }

  void altXExitsFromAnyPage() {
    ui->showPage("CommonDialog", 5);
    ui->altKey('X');
    QVERIFY(!ui->window().isVisible());
  }

  void altTTestsWhereThePageHasNoTextField() {
    ui->showPage("MessageBox", 2);
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
    QTest::addColumn<QString>("creator");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const auto row = [](const char* name, const char* creator, int page, const char* typed, const char* kept) {
      QTest::newRow(name) << creator << page << typed << kept;
    };
    row("digit at the end", "MessageBox", 3, "Res1", "Result");
    row("digit first", "MessageBox", 3, "1st", "Result");
    row("blank", "InputBox", 1, "my var", "Result");
    row("underscore", "InputBox", 1, "my_var", "my_var");
    row("empty", "MessageBox", 3, "", "");
    row("other characters", "MessageBox", 3, "Name-$", "Name-$");
  }

  void variableNameRuleOnLeavingTheField() {
    QFETCH(QString, creator);
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    ui->showPage(creator, page);
    auto* edit = ui->find<QLineEdit>(("ed" + creator + "Variable").toLatin1());
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
    ui->showPage("MessageBox", 3);
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
    QTest::addColumn<QString>("creator");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("walk");
    const QStringList buttons = {"sbNew", "sbTest", "sbCopy", "sbHelp", "sbAbout", "sbExit"};
    const auto row = [](const char* name, const char* creator, int page, const QStringList& walk) {
      QTest::newRow(name) << creator << page << walk;
    };
    row("message box General", "MessageBox", 0,
        QStringList{"cbMessageBoxCaption", "meMessageBoxText", "ckSystemModal"} + buttons +
            QStringList{"sbMessageBox", "pcMessageBox"});
    // A radio group of speed buttons is one stop, at the button that is down.
    row("message box Icon", "MessageBox", 1,
        QStringList{"sbInformation"} + buttons + QStringList{"sbMessageBox", "pcMessageBox"});
    row("message box Buttons", "MessageBox", 2,
        QStringList{"sbOK_OK"} + buttons + QStringList{"sbMessageBox", "pcMessageBox"});
    row("message box Variable", "MessageBox", 3,
        QStringList{"edMessageBoxVariable"} + buttons + QStringList{"sbMessageBox", "pcMessageBox"});
    row("input box General", "InputBox", 0,
        QStringList{"edInputBoxCaption", "edInputBoxText", "edInputBoxDefault"} + buttons);
    row("input box Variable", "InputBox", 1,
        QStringList{"edInputBoxVariable"} + buttons + QStringList{"sbInputBox", "pcInputBox"});
    // The filter grid keeps Tab: a second Tab moves within it.
    const QStringList fileDialogs = {"OpenDialog", "SaveDialog", "OpenPictureDialog", "SavePictureDialog"};
    for (int page = 0; page < 4; ++page) {
      const QString& d = fileDialogs[page];
      row(qPrintable(d), "CommonDialog", page,
          {"ed" + d + "Title", "ed" + d + "DefaultExtension", "sg" + d + "Filter", "sg" + d + "Filter"});
    }
    row("Font Dialog", "CommonDialog", 4, {"All Fonts", "sbNew"});
    row("Color Dialog, dependent boxes disabled", "CommonDialog", 5,
        QStringList{"ckAllowFullOpen", "ckAllowNonSolidColor"} + buttons +
            QStringList{"sbCommonDialog", "pcCommonDialog"});
    row("Print Dialog", "CommonDialog", 6,
        QStringList{"ckAllowPrintToFile"} + buttons + QStringList{"sbCommonDialog", "pcCommonDialog"});
  }

  void tabWalksThePageInFrontThenTheButtons() {
    QFETCH(QString, creator);
    QFETCH(int, page);
    QFETCH(QStringList, walk);
    ui->showPage(creator, page);
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

  // The arrow keys move through a radio group of speed buttons as clicks do: the neighbour
  // goes down, its handler runs, and it takes the focus, which Tab found at the down button.
  void arrowKeysChooseInARadioGroupAsAClickDoes_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("label");  // a label the click handler writes, and its text
    QTest::addColumn<QString>("text");
    QTest::newRow("creators, after the last stop")
        << "MessageBox" << 0 << QList<int>{Qt::Key_Backtab, Qt::Key_Down} << "sbInputBox"
        << "laHeader"
        << "InputBox Creator";
    QTest::newRow("icons") << "MessageBox" << 1 << QList<int>{Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
                           << "sbWarning"
                           << ""
                           << "";
    QTest::newRow("button choices, down then right")
        << "MessageBox" << 2
        << QList<int>{Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}
        << "sbCancel_YesNoCancel"
        << "laDefaultButton"
        << "Default Button: Cancel";
  }
  void arrowKeysChooseInARadioGroupAsAClickDoes() {
    QFETCH(QString, creator);
    QFETCH(int, page);
    QFETCH(QList<int>, keys);
    QFETCH(QString, chosen);
    QFETCH(QString, label);
    QFETCH(QString, text);
    ui->showPage(creator, page);
    for (int key : keys) ui->key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(ui->focusName(), chosen);
    QVERIFY(ui->find<QAbstractButton>(qPrintable(chosen))->isChecked());
    if (!label.isEmpty()) QCOMPARE(ui->find<QLabel>(qPrintable(label))->text(), text);
  }

  void filterGridKeyboardFeedsTheFilterString() {
    ui->showPage("CommonDialog", 0);
    ui->altKey('F');
    QTest::keyClicks(QApplication::focusWidget(), "Text files");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "*.txt");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "All");
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "*.*");
    ui->key(Qt::Key_Return);
    QCOMPARE(BuildFilterString(fileDialogSettings(ui->window().readSettings().commonDialog, DialogKind::Open).filters),
             "Text files|*.txt|All|*.*");
    ui->click("sbCopy");
    QVERIFY(ui->clipboard().contains("OpenDialog1.Filter := 'Text files|*.txt|All|*.*';\r\n"));
  }
};

QTEST_MAIN(TestComposerKeyboard)
#include "test_composer_keyboard.moc"

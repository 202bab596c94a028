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

using namespace Qt::StringLiterals;

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
    const QStringList fileDialogs = {u"OpenDialog"_s, u"SaveDialog"_s, u"OpenPictureDialog"_s, u"SavePictureDialog"_s};
    for (int page = 0; page < 4; ++page)
      row(qPrintable(fileDialogs[page]), "CommonDialog", page,
          qPrintable(u"sbAbout sbCopy ed%1DefaultExtension sg%1Filter sbHelp sbNew - - ed%1Title sbExit"_s.arg(
              fileDialogs[page])));
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
      takers << (taker.isEmpty() ? u"-"_s : taker);
      ui->clickTab((u"pc"_s + creator).toLatin1(), page);
    }
    QCOMPARE(takers.join(u' '), taken);
  }

  void altNPerformsNewWhereThePageHasNoNameField() {
    ui->typeInto("cbMessageBoxCaption", u"Confirm"_s);
    ui->altKey('N');
    QCOMPARE(ui->window().readSettings().messageBox.caption, "");
  }

  void altXExitsFromAnyPage() {
    ui->showPage(u"CommonDialog"_s, 5);
    ui->altKey('X');
    QVERIFY(!ui->window().isVisible());
  }

  void altTTestsWhereThePageHasNoTextField() {
    ui->showPage(u"MessageBox"_s, 2);
    QString shownTitle = u"none shown"_s;
    ModalDialogProbe probe([&](QDialog* shown) { shownTitle = shown->windowTitle(); });
    ui->altKey('T');
    QVERIFY(probe.seen());
    QCOMPARE(shownTitle, u""_s);
    QCOMPARE(ui->window().focusWidget(), ui->find<QTabWidget>("pcMessageBox")->tabBar());
  }

  void plainLetterIsAnAccessKeyOnlyWhereNoTextIsTyped() {
    ui->find<QWidget>("sbNew")->setFocus();
    ui->key(Qt::Key_C);
    QCOMPARE(ui->focusName(), u"cbMessageBoxCaption"_s);
    ui->key(Qt::Key_C);
    QCOMPARE(ui->window().readSettings().messageBox.caption, "c");
    QCOMPARE(ui->clipboard(), "earlier");

    ui->clickTab("pcMessageBox", 1);
    ui->find<QWidget>("sbNew")->setFocus();
    ui->key(Qt::Key_C);
    QVERIFY(ui->clipboard().startsWith("//Begin"));
    QCOMPARE(ui->focusName(), u"sbNew"_s);
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
    auto* edit = ui->find<QLineEdit>((u"ed"_s + creator + u"Variable"_s).toLatin1());
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
    ui->showPage(u"MessageBox"_s, 3);
    auto* edit = ui->find<QLineEdit>("edMessageBoxVariable");
    ui->click(edit);
    edit->selectAll();
    QTest::keyClicks(edit, u"my var"_s);
    if (how == u"click"_s) {
      ui->click("sbCopy");
    } else if (how == u"tab"_s) {
      ui->clickTab("pcMessageBox", 0);
      ui->clickTab("pcMessageBox", 3);
      ui->click("sbCopy");
    } else if (how == u"backtab"_s) {
      ui->key(Qt::Key_Backtab, Qt::ShiftModifier);
      ui->altKey('C');
    } else if (how == u"alt"_s) {
      ui->altKey('C');
      QCOMPARE(ui->focusName(), u"edMessageBoxVariable"_s);
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
    const QStringList buttons = {u"sbNew"_s, u"sbTest"_s, u"sbCopy"_s, u"sbHelp"_s, u"sbAbout"_s, u"sbExit"_s};
    const auto row = [](const char* name, const char* creator, int page, const QStringList& walk) {
      QTest::newRow(name) << creator << page << walk;
    };
    row("message box General", "MessageBox", 0,
        QStringList{u"cbMessageBoxCaption"_s, u"meMessageBoxText"_s, u"ckSystemModal"_s} + buttons +
            QStringList{u"sbMessageBox"_s, u"pcMessageBox"_s});
    // A radio group of speed buttons is one stop, at the button that is down.
    row("message box Icon", "MessageBox", 1,
        QStringList{u"sbInformation"_s} + buttons + QStringList{u"sbMessageBox"_s, u"pcMessageBox"_s});
    row("message box Buttons", "MessageBox", 2,
        QStringList{u"sbOK_OK"_s} + buttons + QStringList{u"sbMessageBox"_s, u"pcMessageBox"_s});
    row("message box Variable", "MessageBox", 3,
        QStringList{u"edMessageBoxVariable"_s} + buttons + QStringList{u"sbMessageBox"_s, u"pcMessageBox"_s});
    row("input box General", "InputBox", 0,
        QStringList{u"edInputBoxCaption"_s, u"edInputBoxText"_s, u"edInputBoxDefault"_s} + buttons);
    row("input box Variable", "InputBox", 1,
        QStringList{u"edInputBoxVariable"_s} + buttons + QStringList{u"sbInputBox"_s, u"pcInputBox"_s});
    // The filter grid keeps Tab: a second Tab moves within it.
    const QStringList fileDialogs = {u"OpenDialog"_s, u"SaveDialog"_s, u"OpenPictureDialog"_s, u"SavePictureDialog"_s};
    for (int page = 0; page < 4; ++page) {
      const QString& d = fileDialogs[page];
      row(qPrintable(d), "CommonDialog", page,
          {u"ed"_s + d + u"Title"_s, u"ed"_s + d + u"DefaultExtension"_s, u"sg"_s + d + u"Filter"_s,
           u"sg"_s + d + u"Filter"_s});
    }
    row("Font Dialog", "CommonDialog", 4, {u"All Fonts"_s, u"sbNew"_s});
    row("Color Dialog, dependent boxes disabled", "CommonDialog", 5,
        QStringList{u"ckAllowFullOpen"_s, u"ckAllowNonSolidColor"_s} + buttons +
            QStringList{u"sbCommonDialog"_s, u"pcCommonDialog"_s});
    row("Print Dialog", "CommonDialog", 6,
        QStringList{u"ckAllowPrintToFile"_s} + buttons + QStringList{u"sbCommonDialog"_s, u"pcCommonDialog"_s});
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
    ui->showPage(u"CommonDialog"_s, 0);
    ui->altKey('F');
    QTest::keyClicks(QApplication::focusWidget(), u"Text files"_s);
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), u"*.txt"_s);
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), u"All"_s);
    ui->key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), u"*.*"_s);
    ui->key(Qt::Key_Return);
    QCOMPARE(BuildFilterString(fileDialogSettings(ui->window().readSettings().commonDialog, DialogKind::Open).filters),
             "Text files|*.txt|All|*.*");
    ui->click("sbCopy");
    QVERIFY(ui->clipboard().contains("OpenDialog1.Filter := 'Text files|*.txt|All|*.*';\r\n"));
  }
};

QTEST_MAIN(TestComposerKeyboard)
#include "test_composer_keyboard.moc"

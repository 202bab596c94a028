// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/button_choice.h"
#include "tests/support/modal_dialog_probe.h"
#include "tests/support/test_support.h"
#include "tests/ui/composer_window_driver.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CreatorKind)
Q_DECLARE_METATYPE(std::vector<std::string>)

// The composer window as a user meets it: its layout, the creators and New, the pages'
// rules, and what Test and Copy hand on.
class TestComposerWindow : public ComposerWindowTest {
  Q_OBJECT

  MessageBoxSettings messageBox() { return ui->window().readSettings().messageBox; }

  // Every entry of one creator changed through its controls, and a page other than the first
  // left in front.
  void setEveryFieldAwayFromItsDefault(const QString& creator) {
    if (creator == u"MessageBox"_s) {
      ui->typeInto("cbMessageBoxCaption", u"Confirm"_s);
      ui->typeInto("meMessageBoxText", u"Save?"_s);
      ui->click("ckSystemModal");
      ui->clickTab("pcMessageBox", 1);
      ui->click("sbError");
      ui->clickTab("pcMessageBox", 2);
      ui->click("sbCancel_RetryCancel");
      ui->clickTab("pcMessageBox", 3);
      ui->typeInto("edMessageBoxVariable", u"Answer"_s);
    } else if (creator == u"InputBox"_s) {
      ui->typeInto("edInputBoxCaption", u"Name"_s);
      ui->typeInto("edInputBoxText", u"Your name:"_s);
      ui->typeInto("edInputBoxDefault", u"nobody"_s);
      ui->clickTab("pcInputBox", 1);
      ui->typeInto("edInputBoxVariable", u"Answer"_s);
    } else {
      for (int tab = 0; tab < 4; ++tab) {
        ui->clickTab("pcCommonDialog", tab);
        const QString kind = ui->find<QTabWidget>("pcCommonDialog")->currentWidget()->objectName().mid(2);
        ui->typeInto((u"ed"_s + kind + u"Title"_s).toLatin1(), u"Pick"_s);
        ui->typeInto((u"ed"_s + kind + u"DefaultExtension"_s).toLatin1(), u"txt"_s);
        auto* grid = ui->find<QTableWidget>((u"sg"_s + kind + u"Filter"_s).toLatin1());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 1)).center());
        QTest::keyClicks(QApplication::focusWidget(), u"*.txt"_s);
      }
      ui->clickTab("pcCommonDialog", 4);
      ui->click(ui->find<QGroupBox>("rgFontsToDisplay")->findChildren<QRadioButton*>().at(2));
      QCOMPARE(ui->window().readSettings().commonDialog.fontDevice, FontDevice::PrinterFontsOnly);
      ui->clickTab("pcCommonDialog", 5);
      for (const char* box : {"ckAllowFullOpen", "ckFullOpen", "ckAllowNonSolidColor", "ckUseNearestColor"})
        ui->click(box);
      ui->clickTab("pcCommonDialog", 6);
      ui->click("ckAllowPrintToFile");
    }
  }

  // The labels of the default button choice, and the colour boxes that depend on an unchecked box.
  void labelsAndColourBoxesAreAtTheirDefaults() {
    QCOMPARE(ui->find<QLabel>("laButtons")->text(), u"Button(s): OK"_s);
    QCOMPARE(ui->find<QLabel>("laDefaultButton")->text(), u"Default Button: OK"_s);
    QVERIFY(!ui->find<QCheckBox>("ckFullOpen")->isEnabled());
    QVERIFY(!ui->find<QCheckBox>("ckUseNearestColor")->isEnabled());
  }

 private slots:
  // A screen reader names every control: the picture-only creator buttons by
  // their creator captions, a button choice by its set and button, every field by its label.
  void aScreenReaderNamesEveryControl() {
    const auto name = [](QWidget* control) {
      return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    const std::pair<const char*, QString> named[] = {{"sbMessageBox", u"MessageBox Creator"_s},
                                                     {"sbInputBox", u"InputBox Creator"_s},
                                                     {"sbCommonDialog", u"Common Dialog Creator"_s},
                                                     {"edInputBoxDefault", u"Default:"_s},
                                                     {"cbMessageBoxCaption", u"Caption:"_s},
                                                     {"sbNoIcon", u"No Icon"_s},
                                                     {"sbCancel_YesNoCancel", u"Yes, No, Cancel: Cancel"_s},
                                                     {"sbOK_OK", u"OK: OK"_s}};
    for (const auto& [control, expected] : named) QCOMPARE(name(ui->find<QWidget>(control)), expected);
    QCOMPARE(name(ui->find<QComboBox>("cbMessageBoxCaption")->lineEdit()), QStringLiteral("Caption:"));
    QList<QWidget*> fields;
    for (QWidget* field : ui->window().findChildren<QWidget*>())
      if (qobject_cast<QLineEdit*>(field) || qobject_cast<QPlainTextEdit*>(field) || qobject_cast<QTableWidget*>(field))
        if (!field->objectName().isEmpty() && !field->objectName().startsWith(u"qt_"_s)) fields << field;
    QCOMPARE(fields.size(), 18);
    for (QWidget* field : fields) QVERIFY2(!name(field).isEmpty(), qPrintable(field->objectName()));
    // The creator, icon and button-set speed buttons are radio buttons named by
    // their captions, and pressing one through the reader chooses it.
    QList<QToolButton*> speedButtons = ui->window().findChildren<QToolButton*>();
    speedButtons.removeIf([](QToolButton* button) { return !button->group(); });
    QCOMPARE(speedButtons.size(), 3 + 5 + 13);
    for (QToolButton* button : speedButtons) {
      QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
      QCOMPARE(reader->role(), QAccessible::RadioButton);
      QCOMPARE(reader->state().checked, button->isChecked());
      QVERIFY2(!name(button).isEmpty(), qPrintable(button->objectName()));
    }
    auto* error = ui->find<QToolButton>("sbError");
    QAccessible::queryAccessibleInterface(error)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QVERIFY(error->isChecked());
  }

  void windowIsAFixedSizeWindowWithoutMaximiseBox() {
    TfmMain& window = ui->window();
    QCOMPARE(window.size(), QSize(544, 383));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.windowTitle(), u"Quillmark 1.0"_s);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
  }

  void controlStandsAtItsPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char* name, int left, int top, int width, int height) {
      QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
    };
    row("paHeader", 8, 8, 529, 41);
    row("paMenu", 8, 56, 97, 273);
    row("paWorkSpace", 112, 56, 425, 273);
    row("pcCommonDialog", 16, 16, 393, 217);
    row("sbTest", 256, 240, 73, 25);
    row("sbExit", 440, 8, 73, 25);
    row("meMessageBoxText", 80, 48, 249, 65);
    row("sbNoIcon", 304, 16, 65, 65);
    row("sbCancel_YesNoCancel", 160, 80, 73, 25);
    row("shSepButtons", 16, 160, 353, 1);
    row("laInputBoxVariableNote", 40, 56, 337, 33);
    row("sgSavePictureDialogFilter", 104, 80, 193, 97);
    row("rgFontsToDisplay", 32, 16, 201, 113);
    row("ckSystemModal", 80, 136, 97, 17);
  }

  void controlStandsAtItsPlace() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QCOMPARE(ui->find<QWidget>(name.toLatin1())->geometry(), geometry);
  }

  void checkBoxCaptionsAreNeverCut() {
    for (QCheckBox* box : ui->window().findChildren<QCheckBox*>())
      QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->objectName()));
  }

  void windowStartsInTheMessageBoxCreatorWithEverySettingAtItsDefault() {
    QCOMPARE(ui->window().readSettings().activeCreator, CreatorKind::MessageBox);
    QCOMPARE(ui->find<QLabel>("laHeader")->text(), u"MessageBox Creator"_s);
    QCOMPARE(ui->window().readSettings(), defaults());
    labelsAndColourBoxesAreAtTheirDefaults();
  }

  // New, the creator's own button pressed again, and a return from another creator each
  // reset that creator's fields and bring its first page to front; the button stays down.
  void newAndThePressedCreatorButtonReturnEveryFieldToItsDefault_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QStringList>("presses");
    const auto row = [](const char* name, const char* creator, const QStringList& presses) {
      QTest::newRow(name) << creator << presses;
    };
    row("message box, New", "MessageBox", {u"sbNew"_s});
    row("message box, its button", "MessageBox", {u"sbMessageBox"_s});
    row("message box, back from another creator", "MessageBox", {u"sbInputBox"_s, u"sbMessageBox"_s});
    row("input box, New", "InputBox", {u"sbNew"_s});
    row("input box, its button", "InputBox", {u"sbInputBox"_s});
    row("input box, back from another creator", "InputBox", {u"sbCommonDialog"_s, u"sbInputBox"_s});
    row("common dialog, New", "CommonDialog", {u"sbNew"_s});
    row("common dialog, its button", "CommonDialog", {u"sbCommonDialog"_s});
    row("common dialog, back from another creator", "CommonDialog", {u"sbMessageBox"_s, u"sbCommonDialog"_s});
  }

  void newAndThePressedCreatorButtonReturnEveryFieldToItsDefault() {
    QFETCH(QString, creator);
    QFETCH(QStringList, presses);
    ui->click((u"sb"_s + creator).toLatin1());
    setEveryFieldAwayFromItsDefault(creator);
    const ComposerSettings changed = ui->window().readSettings(), fresh = defaults();
    if (creator == u"MessageBox"_s) QVERIFY(differsInEveryField(changed.messageBox, fresh.messageBox));
    if (creator == u"InputBox"_s) QVERIFY(differsInEveryField(changed.inputBox, fresh.inputBox));
    if (creator == u"CommonDialog"_s) QVERIFY(differsInEveryField(changed.commonDialog, fresh.commonDialog));

    for (const QString& button : presses) ui->click(button.toLatin1());
    ComposerSettings expected = defaults();
    expected.activeCreator = changed.activeCreator;
    QCOMPARE(ui->window().readSettings(), expected);
    QCOMPARE(ui->find<QTabWidget>((u"pc"_s + creator).toLatin1())->currentIndex(), 0);
    QVERIFY(ui->find<QToolButton>((u"sb"_s + creator).toLatin1())->isChecked());
    labelsAndColourBoxesAreAtTheirDefaults();
  }

  void filterGridsShowTheirHeaderRow() {
    for (const char* name :
         {"sgOpenDialogFilter", "sgSaveDialogFilter", "sgOpenPictureDialogFilter", "sgSavePictureDialogFilter"}) {
      auto* grid = ui->find<QTableWidget>(name);
      QCOMPARE(grid->horizontalHeaderItem(0)->text(), u"Filter Name"_s);
      QCOMPARE(grid->horizontalHeaderItem(1)->text(), u"Filter"_s);
      QCOMPARE(grid->horizontalHeader()->font(), grid->font());
    }
  }

  void creatorButtonShowsItsCreator_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<CreatorKind>("kind");
    const auto row = [](const char* name, const char* creator, const char* caption, CreatorKind kind) {
      QTest::newRow(name) << creator << caption << kind;
    };
    row("input box", "InputBox", "InputBox Creator", CreatorKind::InputBox);
    row("common dialog", "CommonDialog", "Common Dialog Creator", CreatorKind::CommonDialog);
    row("message box", "MessageBox", "MessageBox Creator", CreatorKind::MessageBox);
  }

  void creatorButtonShowsItsCreator() {
    QFETCH(QString, creator);
    QFETCH(QString, caption);
    QFETCH(CreatorKind, kind);
    ui->click("sbCommonDialog");
    ui->click((u"sb"_s + creator).toLatin1());
    QCOMPARE(ui->find<QLabel>("laHeader")->text(), caption);
    QCOMPARE(ui->window().readSettings().activeCreator, kind);
    for (const char* name : {"MessageBox", "InputBox", "CommonDialog"})
      QCOMPARE(ui->find<QWidget>("pc" + QByteArray(name))->isVisible(), creator == QLatin1String(name));
    QVERIFY(ui->find<QToolButton>((u"sb"_s + creator).toLatin1())->isChecked());
  }

  void switchingTabsKeepsEachTabsEntries() {
    ui->click("sbCommonDialog");
    ui->typeInto("edOpenDialogTitle", u"Open"_s);
    ui->clickTab("pcCommonDialog", 1);
    ui->typeInto("edSaveDialogDefaultExtension", u"txt"_s);
    ui->clickTab("pcCommonDialog", 0);
    const CommonDialogSettings settings = ui->window().readSettings().commonDialog;
    QCOMPARE(fileDialogSettings(settings, DialogKind::Open).title, "Open");
    QCOMPARE(fileDialogSettings(settings, DialogKind::Save).defaultExtension, "txt");
    QCOMPARE(settings.activeDialog, DialogKind::Open);
  }

  // Each of the thirteen buttons chooses the choice it is named after and shows that choice's
  // two labels, whichever was chosen before.
  void buttonChoiceShowsItsTwoLabels() {
    ui->clickTab("pcMessageBox", 2);
    QList<QAbstractButton*> buttons = ui->find<QToolButton>("sbOK_OK")->group()->buttons();
    QCOMPARE(buttons.size(), 13);
    std::ranges::reverse(buttons);  // each click then changes the choice, the default's last
    for (QAbstractButton* button : buttons) {
      ui->click(button);
      const ButtonChoice choice = messageBox().buttons;
      const QString set = ui->find<QLabel>("laButtons")->text();
      const QString defaultButton = ui->find<QLabel>("laDefaultButton")->text();
      QCOMPARE(set, QString::fromUtf8(buttonSetLabel(choice)));
      QCOMPARE(defaultButton, QString::fromUtf8(defaultButtonLabel(choice)));
      const QString separator = QStringLiteral(": ");
      QCOMPARE(button->objectName(), QStringLiteral("sb") + defaultButton.section(separator, 1) + QLatin1Char('_') +
                                         set.section(separator, 1).remove(QStringLiteral(", ")));
    }
    QCOMPARE(ui->find<QLabel>("laButtons")->palette().color(QPalette::WindowText), QColor(Qt::red));
  }

  void colourBoxFollowsTheBoxItDependsOn_data() {
    QTest::addColumn<QString>("master");
    QTest::addColumn<QString>("dependent");
    QTest::newRow("custom colors") << u"ckAllowFullOpen"_s << u"ckFullOpen"_s;
    QTest::newRow("non-solid colors") << u"ckAllowNonSolidColor"_s << u"ckUseNearestColor"_s;
  }

  void colourBoxFollowsTheBoxItDependsOn() {
    QFETCH(QString, master);
    QFETCH(QString, dependent);
    auto* dependentBox = ui->find<QCheckBox>(dependent.toLatin1());
    ui->click("sbCommonDialog");
    ui->clickTab("pcCommonDialog", 5);
    ui->click(master.toLatin1());
    QVERIFY(dependentBox->isEnabled());
    ui->click(dependentBox);
    QVERIFY(dependentBox->isChecked());
    ui->click(master.toLatin1());
    QVERIFY(!dependentBox->isEnabled());
    QVERIFY(!dependentBox->isChecked());
    const CommonDialogSettings settings = ui->window().readSettings().commonDialog;
    QVERIFY(!settings.showCustomColors && !settings.useNearestSolidColor);
  }

  void copyPutsTheExactBytesOfWhatWasEntered() {
    ui->typeInto("cbMessageBoxCaption", u"Confirm"_s);
    ui->typeInto("meMessageBoxText", u"Save changes?"_s);
    ui->key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), u"Quit now?"_s);
    ui->clickTab("pcMessageBox", 1);
    ui->click("sbQuestion");
    ui->clickTab("pcMessageBox", 2);
    ui->click("sbNo_YesNoCancel");
    ui->click("sbCopy");
    QCOMPARE(ui->clipboard(),
             "//Begin MessageBox Creator Code\r\n"
             "Result := MessageBox(Handle, 'Save changes?' + #10#13 + 'Quit now?', 'Confirm', 291);\r\n"
             "if Result = IDYES then\r\n"
             "  {User has selected Yes};\r\n"
             "if Result = IDNO then\r\n"
             "  {User has selected No};\r\n"
             "if Result = IDCANCEL then\r\n"
             "  {User has selected Cancel};\r\n"
             "//End MessageBox Creator Code\r\n");
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{u"text/plain"_s});
    QCOMPARE(messageBox().text, "Save changes?\r\nQuit now?");
  }

  void messageLinesAreTheTextBoxsDisplayLines_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<std::vector<std::string>>("lines");
    QTest::newRow("empty box") << QStringList{} << std::vector<std::string>{};
    QTest::newRow("one line break at the end") << QStringList{u"Done"_s, u""_s} << std::vector<std::string>{"Done"};
    QTest::newRow("two line breaks at the end")
        << QStringList{u"Done"_s, u""_s, u""_s} << std::vector<std::string>{"Done", ""};
    QTest::newRow("empty line inside") << QStringList{u"first"_s, u""_s, u"third"_s}
                                       << std::vector<std::string>{"first", "", "third"};
    QTest::newRow("no-break space kept") << QStringList{QString::fromUtf8("10\u00a0kB")}
                                         << std::vector<std::string>{"10\u00a0kB"};
  }

  void messageLinesAreTheTextBoxsDisplayLines() {
    QFETCH(QStringList, typed);
    QFETCH(std::vector<std::string>, lines);
    ui->click("meMessageBoxText");
    for (qsizetype i = 0; i < typed.size(); ++i) {
      if (i > 0) ui->key(Qt::Key_Return);
      QTest::keyClicks(QApplication::focusWidget(), typed[i]);
    }
    QCOMPARE(messageBox().lines, lines);
    QCOMPARE(QString::fromStdString(messageBox().text), typed.join(u"\r\n"_s));
  }

  void longLineWrappedByTheBoxGivesTwoLinesAlsoWhileItsPageIsHidden() {
    const QString words = u"This message is long enough to be wrapped by the box at its width"_s;
    ui->typeInto("meMessageBoxText", words);
    ui->clickTab("pcMessageBox", 3);
    QVERIFY(!ui->find<QWidget>("meMessageBoxText")->isVisible());
    const std::vector<std::string> lines = messageBox().lines;
    QCOMPARE(lines.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(lines[0] + lines[1]).remove(u' '), QString(words).remove(u' '));
  }

  void pastedLineEndsBecomeHardBreaks_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("LF") << "one\ntwo";
    QTest::newRow("CR LF") << "one\r\ntwo";
    QTest::newRow("bare CR") << "one\rtwo";
  }

  void pastedLineEndsBecomeHardBreaks() {
    QFETCH(QString, pasted);
    QGuiApplication::clipboard()->setText(pasted);
    ui->click("meMessageBoxText");
    ui->key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(messageBox().text, "one\r\ntwo");
    QCOMPARE(messageBox().lines, (std::vector<std::string>{"one", "two"}));
  }

  // "<>" typed, the caret between them, then text of two lines pasted or dropped: the
  // field keeps the first line; the copied block holds no break but its CR LF line ends.
  void oneLineFieldsKeepTheFirstLineOfPastedOrDroppedText_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("caption, CR LF pasted") << "MessageBox"
                                           << "cbMessageBoxCaption"
                                           << "Line one\r\nLine two\n"
                                           << false;
    QTest::newRow("caption, LF dropped") << "MessageBox"
                                         << "cbMessageBoxCaption"
                                         << "Line one\nLine two" << true;
    QTest::newRow("title, CR pasted") << "CommonDialog"
                                      << "edOpenDialogTitle"
                                      << "Line one\rLine two\r" << false;
    QTest::newRow("title, CR LF dropped") << "CommonDialog"
                                          << "edOpenDialogTitle"
                                          << "Line one\r\nTwo" << true;
    QTest::newRow("grid cell, LF pasted") << "CommonDialog"
                                          << "sgOpenDialogFilter"
                                          << "Line one\nLine two\n"
                                          << false;
    QTest::newRow("grid cell, CR pasted") << "CommonDialog"
                                          << "sgOpenDialogFilter"
                                          << "Line one\rLine two" << false;
  }

  void oneLineFieldsKeepTheFirstLineOfPastedOrDroppedText() {
    QFETCH(QString, creator);
    QFETCH(QString, field);
    QFETCH(QString, inserted);
    QFETCH(bool, dropped);
    ui->click((u"sb"_s + creator).toLatin1());
    if (auto* grid = qobject_cast<QTableWidget*>(ui->find<QWidget>(field.toLatin1()))) {
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
      QTest::keyClicks(QApplication::focusWidget(), u"<>"_s);
    } else {
      ui->typeInto(field.toLatin1(), u"<>"_s);
    }
    ui->key(Qt::Key_Left);
    QWidget* focus = QApplication::focusWidget();
    auto* combo = qobject_cast<QComboBox*>(focus);
    auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(focus);
    QVERIFY(edit);
    if (dropped) {
      // A drop goes to the widget that accepted the drag's entry.
      QMimeData data;
      data.setText(inserted);
      const QPointF caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center();
      QDragEnterEvent enter(caret.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
      QDropEvent drop(caret, Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(edit, &enter);
      QApplication::sendEvent(edit, &drop);
    } else {
      QGuiApplication::clipboard()->setText(inserted);
      ui->key(Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(edit->text(), u"<Line one>"_s);
    ui->click("sbCopy");
    const QByteArray block = ui->clipboard();
    QVERIFY(block.contains("<Line one>"));
    QCOMPARE(block.count('\r'), block.count("\r\n"));
    QCOMPARE(block.count('\n'), block.count("\r\n"));
  }

  // How long the copy takes is measured by the composer window's benchmark.
  void longMessageIsCopiedWhole() {
    QString message;
    for (int line = 0; line < 1000; ++line) message += u"Zeile %1 mit Grüßen und\tTab "_s.arg(line, 4) + u'\n';
    message += QString(100000 - message.size(), u'x');
    QGuiApplication::clipboard()->setText(message);
    ui->click("meMessageBoxText");
    ui->key(Qt::Key_V, Qt::ControlModifier);
    ui->click("sbCopy");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.contains(u"'Zeile    0 mit Grüßen und\tTab ' + #10#13 + 'Zeile    1"_s));
    QCOMPARE(QString::fromStdString(messageBox().text), QString(message).replace(u'\n', u"\r\n"_s));
  }

  void testShowsThePreviewOfTheActiveCreator() {
    ui->click("sbInputBox");
    ui->typeInto("edInputBoxCaption", u"Your name"_s);
    QString shownTitle;
    ModalDialogProbe probe([&](QDialog* shown) { shownTitle = shown->windowTitle(); });
    ui->click("sbTest");
    QVERIFY(probe.seen());
    QCOMPARE(shownTitle, u"Your name"_s);
    QVERIFY(ui->window().isVisible());
    QCOMPARE(ui->window().readSettings().inputBox.caption, "Your name");
  }

  void exitClosesTheWindow() {
    ui->click("sbExit");
    QVERIFY(!ui->window().isVisible());
  }
};

QTEST_MAIN(TestComposerWindow)
#include "test_composer_window.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "ui/preview/show_preview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ButtonChoice)

// "&Test" with the message-box creator: the box as a user sees it.
class TestMessageBoxPreview : public QObject {
  Q_OBJECT

  static void preview(const MessageBoxSettings& box, const std::function<void(QMessageBox*)>& inspect) {
    ComposerSettings settings = defaults();
    settings.messageBox = box;
    QWidget owner;
    owner.show();
    ModalDialogProbe probe([&](QDialog* dialog) {
      auto* messageBox = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(messageBox);
      QCOMPARE(messageBox->parentWidget(), &owner);
      inspect(messageBox);
    });
    showPreview(settings, &owner);
    QVERIFY(probe.seen());
  }

  // The button captions from left to right.
  static QStringList buttonTexts(QMessageBox* box) {
    QList<QAbstractButton*> buttons = box->buttons();
    std::ranges::sort(buttons, {}, [box](QAbstractButton* b) { return b->mapTo(box, QPoint()).x(); });
    QStringList texts;
    for (QAbstractButton* button : buttons) texts << button->text();
    return texts;
  }

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void defaultSettingsShowAnUntitledInformationBox() {
    preview(MessageBoxSettings{}, [](QMessageBox* box) {
      QCOMPARE(box->windowTitle(), QString());
      QCOMPARE(box->text(), QString());
      QCOMPARE(box->icon(), QMessageBox::Information);
      QCOMPARE(box->windowModality(), Qt::ApplicationModal);
      QVERIFY(!box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    });
  }

  void buttonsInTheirOrderWithDefaultAndEscape_data() {
    QTest::addColumn<ButtonChoice>("choice");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<QString>("escapeButton");  // empty: Escape and the close box do nothing
    QTest::newRow("OK_OK") << ButtonChoice::OK_OK << QStringList{u"OK"_s} << u"OK"_s << "OK";
    QTest::newRow("Cancel_OKCancel") << ButtonChoice::Cancel_OKCancel << QStringList{u"OK"_s, u"Cancel"_s}
                                     << u"Cancel"_s << "Cancel";
    QTest::newRow("No_YesNoCancel") << ButtonChoice::No_YesNoCancel << QStringList{u"&Yes"_s, u"&No"_s, u"Cancel"_s}
                                    << u"&No"_s << "Cancel";
    QTest::newRow("Yes_YesNo") << ButtonChoice::Yes_YesNo << QStringList{u"&Yes"_s, u"&No"_s} << u"&Yes"_s << "";
    QTest::newRow("Ignore_AbortRetryIgnore")
        << ButtonChoice::Ignore_AbortRetryIgnore << QStringList{u"&Abort"_s, u"&Retry"_s, u"&Ignore"_s} << u"&Ignore"_s
        << "";
    QTest::newRow("Retry_RetryCancel") << ButtonChoice::Retry_RetryCancel << QStringList{u"&Retry"_s, u"Cancel"_s}
                                       << u"&Retry"_s << "Cancel";
  }
  void buttonsInTheirOrderWithDefaultAndEscape() {
    QFETCH(ButtonChoice, choice);
    QFETCH(QStringList, buttons);
    QFETCH(QString, defaultButton);
    QFETCH(QString, escapeButton);
    MessageBoxSettings settings;
    settings.buttons = choice;
    preview(settings, [&](QMessageBox* box) {
      QCOMPARE(buttonTexts(box), buttons);
      QCOMPARE(box->defaultButton()->text(), defaultButton);
      QCOMPARE(box->windowFlags().testFlag(Qt::WindowCloseButtonHint), !escapeButton.isEmpty());
      QTest::keyClick(box, Qt::Key_Escape);
      QCOMPARE(box->isVisible(), escapeButton.isEmpty());
      if (!escapeButton.isEmpty()) QCOMPARE(box->clickedButton()->text(), escapeButton);
    });
  }

  void captionAndTextAreShownAsTypedAndSystemModalStaysOnTop() {
    MessageBoxSettings settings;
    settings.systemModal = true;
    settings.caption = "Grüße";
    settings.text = "Three\r\nlines\r\n<b>not bold</b>";
    settings.icon = IconChoice::Question;
    preview(settings, [](QMessageBox* box) {
      QCOMPARE(box->windowTitle(), QStringLiteral("Grüße"));
      QCOMPARE(box->textFormat(), Qt::PlainText);
      QCOMPARE(box->text(), QStringLiteral("Three\nlines\n<b>not bold</b>"));
      QCOMPARE(box->icon(), QMessageBox::Question);
      // A screen reader names the icon by its kind.
      QCOMPARE(box->findChild<QLabel*>(u"qt_msgboxex_icon_label"_s)->accessibleName(), QStringLiteral("Question"));
      QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    });
  }

  void aMebibyteOfTextFitsOnTheScreenWithItsButtons() {
    MessageBoxSettings settings;
    while (settings.text.size() < (1u << 20))
      settings.text += "A line of text that is about sixty characters long.\r\n";
    preview(settings, [](QMessageBox* box) {
      QVERIFY(box->frameGeometry().height() <= box->screen()->availableGeometry().height());
      QAbstractButton* ok = box->buttons().front();
      QVERIFY(ok->mapTo(box, QPoint(0, ok->height())).y() <= box->height());
      QVERIFY(box->text().startsWith(QStringLiteral("A line of text that is about sixty characters long.\nA line")));
    });
  }
};

QTEST_MAIN(TestMessageBoxPreview)
#include "test_message_box_preview.moc"

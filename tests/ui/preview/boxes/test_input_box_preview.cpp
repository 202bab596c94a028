// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "ui/preview/boxes/input_box_dialog.h"
#include "ui/preview/boxes/input_box_layout.h"
#include "ui/preview/show_preview.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

// "&Test" with the input-box creator: the program's own input box.
class TestInputBoxPreview : public QObject {
  Q_OBJECT

  static QString answer(const InputBoxRequest& request, const std::function<void(QDialog*)>& act) {
    ModalDialogProbe probe(act);
    const QString result = showInputBox(request);
    if (!probe.seen()) QTest::qFail("no input box", __FILE__, __LINE__);
    return result;
  }

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void theBoxIsLaidOutInDialogUnitsOfItsFont() {
    ComposerSettings settings = defaults();
    settings.activeCreator = CreatorKind::InputBox;
    settings.inputBox = {"Login", "Your name:", "Guest", "Result"};
    ModalDialogProbe probe([](QDialog* box) {
      const QFontMetrics metrics(box->font());
      QCOMPARE(box->font().pixelSize(), 11);  // MulDiv(8, 96, 72)
      const InputBoxLayout layout = inputBoxLayout(dialogUnits(
          metrics.horizontalAdvance(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"_s), metrics.height()));
      auto* label = box->findChild<QLabel*>(u"promptLabel"_s);
      auto* edit = box->findChild<QLineEdit*>(u"answerEdit"_s);
      QCOMPARE(box->size(), layout.clientSize);
      QCOMPARE(box->minimumSize(), box->maximumSize());
      QCOMPARE(label->pos(), layout.promptPosition);
      QCOMPARE(label->text(), QStringLiteral("Your name:"));
      QCOMPARE(edit->pos(), layout.editPosition);
      QCOMPARE(edit->width(), layout.editWidth);
      QCOMPARE(box->findChild<QPushButton*>(u"okButton"_s)->geometry(), layout.okButton);
      QCOMPARE(box->findChild<QPushButton*>(u"cancelButton"_s)->geometry(), layout.cancelButton);
      QVERIFY(box->findChild<QPushButton*>(u"okButton"_s)->isDefault());
      QCOMPARE(edit->text(), QStringLiteral("Guest"));
      QCOMPARE(edit->selectedText(), QStringLiteral("Guest"));
      QCOMPARE(box->focusWidget(), edit);
    });
    showPreview(settings, nullptr);
    QVERIFY(probe.seen());
  }

  void okReturnsTheTextOtherwiseTheDefault_data() {
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("result");
    QTest::newRow("OK") << u"okButton"_s << "Typed";
    QTest::newRow("Enter") << u"enter"_s << "Typed";
    QTest::newRow("Cancel") << u"cancelButton"_s << "Guest";
    QTest::newRow("Escape") << u"escape"_s << "Guest";
    QTest::newRow("close box") << u"close"_s << "Guest";
  }
  void okReturnsTheTextOtherwiseTheDefault() {
    QFETCH(QString, closing);
    QFETCH(QString, result);
    const QString typed = answer({u""_s, u""_s, u"Guest"_s}, [&](QDialog* box) {
      QTest::keyClicks(box->findChild<QLineEdit*>(u"answerEdit"_s), u"Typed"_s);
      if (closing == u"enter"_s)
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
      else if (closing == u"escape"_s)
        QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
      else if (closing == u"close"_s)
        box->close();
      else
        box->findChild<QPushButton*>(closing)->click();
      QVERIFY(!box->isVisible());
    });
    QCOMPARE(typed, result);
  }

  void theAmpersandMarksTheAccessKeyOfTheEditField() {
    answer({u""_s, u"&Name:"_s, u""_s}, [](QDialog* box) {
      box->findChild<QPushButton*>(u"cancelButton"_s)->setFocus();
      QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
      QCOMPARE(QApplication::focusWidget(), box->findChild<QLineEdit*>(u"answerEdit"_s));
    });
    answer({u""_s, u"Trailing&"_s, u""_s},
           [](QDialog* box) { QVERIFY(box->findChild<QLabel*>(u"promptLabel"_s)->isVisible()); });
  }

  // Typing never makes the answer longer than 255 characters; a longer default
  // is shown whole and can only shrink.
  void typingStopsAt255CharactersButALongerDefaultIsKept_data() {
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty default") << QString() << false << 0 << QString(300, u'x') << QString(255, u'x');
    QTest::newRow("short default") << "abc" << false << 0 << QString(300, u'x') << u"abc"_s + QString(252, u'x');
    QTest::newRow("long default kept") << QString(300, u'y') << false << 0 << QString() << QString(300, u'y');
    QTest::newRow("long default cannot grow") << QString(300, u'y') << false << 2 << "zz" << QString(298, u'y');
    QTest::newRow("long default replaced")
        << QString(300, u'y') << true << 0 << QString(300, u'x') << QString(255, u'x');
  }
  void typingStopsAt255CharactersButALongerDefaultIsKept() {
    QFETCH(QString, defaultText);
    QFETCH(bool, selectAll);
    QFETCH(int, backspaces);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    const QString answered = answer({u""_s, u""_s, defaultText}, [&](QDialog* box) {
      auto* edit = box->findChild<QLineEdit*>(u"answerEdit"_s);
      if (selectAll)
        edit->selectAll();
      else
        edit->end(false);
      for (int i = 0; i < backspaces; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
      QTest::keyClicks(edit, typed);
      box->findChild<QPushButton*>(u"okButton"_s)->click();
    });
    QCOMPARE(answered, result);
  }
};

QTEST_MAIN(TestInputBoxPreview)
#include "test_input_box_preview.moc"

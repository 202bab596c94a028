// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/button_choice.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ButtonChoice)

namespace {

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

QStringList names(const std::vector<ResultId>& ids) {
  QStringList list;
  for (ResultId id : ids) list << text(resultIdName(id));
  return list;
}

}  // namespace

// The thirteen button choices: the two labels the window shows, the value each
// adds to the style word, and the results the generated code branches on.
class TestButtonChoice : public QObject {
  Q_OBJECT

 private slots:
  void eachChoiceHasItsLabelsValueAndBranches_data() {
    QTest::addColumn<ButtonChoice>("choice");
    QTest::addColumn<QString>("setLabel");
    QTest::addColumn<QString>("defaultLabel");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QStringList>("branches");
    const QStringList okCancel{u"IDOK"_s, u"IDCANCEL"_s}, yesNo{u"IDYES"_s, u"IDNO"_s},
        yesNoCancel{u"IDYES"_s, u"IDNO"_s, u"IDCANCEL"_s}, abortRetryIgnore{u"IDABORT"_s, u"IDRETRY"_s, u"IDIGNORE"_s},
        retryCancel{u"IDRETRY"_s, u"IDCANCEL"_s};
    using enum ButtonChoice;
    QTest::newRow("OK_OK") << OK_OK << "Button(s): OK"
                           << "Default Button: OK" << 0u << QStringList();
    QTest::newRow("OK_OKCancel") << OK_OKCancel << "Button(s): OK, Cancel"
                                 << "Default Button: OK" << 1u << okCancel;
    QTest::newRow("Cancel_OKCancel") << Cancel_OKCancel << "Button(s): OK, Cancel"
                                     << "Default Button: Cancel" << 257u << okCancel;
    QTest::newRow("Yes_YesNo") << Yes_YesNo << "Button(s): Yes, No"
                               << "Default Button: Yes" << 4u << yesNo;
    QTest::newRow("No_YesNo") << No_YesNo << "Button(s): Yes, No"
                              << "Default Button: No" << 260u << yesNo;
    QTest::newRow("Yes_YesNoCancel") << Yes_YesNoCancel << "Button(s): Yes, No, Cancel"
                                     << "Default Button: Yes" << 3u << yesNoCancel;
    QTest::newRow("No_YesNoCancel") << No_YesNoCancel << "Button(s): Yes, No, Cancel"
                                    << "Default Button: No" << 259u << yesNoCancel;
    QTest::newRow("Cancel_YesNoCancel") << Cancel_YesNoCancel << "Button(s): Yes, No, Cancel"
                                        << "Default Button: Cancel" << 515u << yesNoCancel;
    QTest::newRow("Abort_AbortRetryIgnore") << Abort_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                            << "Default Button: Abort" << 2u << abortRetryIgnore;
    QTest::newRow("Retry_AbortRetryIgnore") << Retry_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                            << "Default Button: Retry" << 258u << abortRetryIgnore;
    QTest::newRow("Ignore_AbortRetryIgnore") << Ignore_AbortRetryIgnore << "Button(s): Abort, Retry, Ignore"
                                             << "Default Button: Ignore" << 514u << abortRetryIgnore;
    QTest::newRow("Retry_RetryCancel") << Retry_RetryCancel << "Button(s): Retry, Cancel"
                                       << "Default Button: Retry" << 5u << retryCancel;
    QTest::newRow("Cancel_RetryCancel") << Cancel_RetryCancel << "Button(s): Retry, Cancel"
                                        << "Default Button: Cancel" << 261u << retryCancel;
  }

  void eachChoiceHasItsLabelsValueAndBranches() {
    QFETCH(ButtonChoice, choice);
    QTEST(text(buttonSetLabel(choice)), "setLabel");
    QTEST(text(defaultButtonLabel(choice)), "defaultLabel");
    QTEST(uint(buttonChoiceValue(choice)), "value");
    QTEST(names(resultBranches(choice)), "branches");
  }
};

QTEST_GUILESS_MAIN(TestButtonChoice)
#include "test_button_choice.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/copy_to_clipboard.h"

#include <QtTest>

namespace {

// Records every text the Copy action places on the clipboard.
class RecordingClipboard : public Clipboard {
 public:
  void setText(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

QByteArray bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

Q_DECLARE_METATYPE(CreatorKind)

class TestCopyToClipboard : public QObject {
  Q_OBJECT

 private slots:
  void defaultMessageBoxGivesThreeTerminatedLines() {
    RecordingClipboard clipboard;
    copyToClipboard(defaults(), clipboard);
    QCOMPARE(clipboard.texts.size(), std::size_t(1));
    QCOMPARE(bytes(clipboard.texts[0]),
             "//Begin MessageBox Creator Code\r\n"
             "Result := MessageBox(Handle, '', '', 64);\r\n"
             "//End MessageBox Creator Code\r\n");
  }

  void activeCreatorChoosesTheGenerator_data() {
    QTest::addColumn<CreatorKind>("creator");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("MessageBox") << CreatorKind::MessageBox
                                << QByteArray(
                                       "//Begin MessageBox Creator Code\r\n"
                                       "Result := MessageBox(Handle, 'm', '', 64);\r\n"
                                       "//End MessageBox Creator Code\r\n");
    QTest::newRow("InputBox") << CreatorKind::InputBox
                              << QByteArray(
                                     "//Begin InputBox Creator Code\r\n"
                                     "Result := InputBox('i', '', '');\r\n"
                                     "//End InputBox Creator Code\r\n");
    QTest::newRow("CommonDialog") << CreatorKind::CommonDialog
                                  << QByteArray(
                                         "//Begin Common Dialog Creator Code\r\n"
                                         "PrintDialog1 := TPrintDialog.Create(Self);\r\n"
                                         "if PrintDialog1.Execute then\r\n"
                                         "  {Actions to perform when executed};\r\n"
                                         "//End Common Dialog Creator Code\r\n");
  }

  void activeCreatorChoosesTheGenerator() {
    QFETCH(CreatorKind, creator);
    ComposerSettings s = defaults();
    s.activeCreator = creator;
    s.messageBox.lines = {"m"};
    s.inputBox.caption = "i";
    s.commonDialog.activeDialog = DialogKind::Print;
    RecordingClipboard clipboard;
    copyToClipboard(s, clipboard);
    QCOMPARE(clipboard.texts.size(), std::size_t(1));
    QTEST(bytes(clipboard.texts[0]), "text");
  }
};

QTEST_GUILESS_MAIN(TestCopyToClipboard)
#include "test_copy_to_clipboard.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/copy_to_clipboard.h"
#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace Qt::StringLiterals;

// The Copy action through the application clipboard of the running platform.
class TestQtClipboard : public QObject {
  Q_OBJECT

 private slots:
  void copyReplacesTheClipboardTextWithTheExactBytes() {
    QGuiApplication::clipboard()->setText(u"something copied earlier"_s);
    ComposerSettings s = defaults();
    s.activeCreator = CreatorKind::InputBox;
    s.inputBox.caption = "Grüße";
    s.inputBox.prompt = "tab\there";
    QtClipboard clipboard;
    copyToClipboard(s, clipboard);
    const QByteArray expected =
        "//Begin InputBox Creator Code\r\n"
        "Result := InputBox('Gr\xc3\xbc\xc3\x9f"
        "e', 'tab\there', '');\r\n"
        "//End InputBox Creator Code\r\n";
    QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected);
  }

  void copyPlacesPlainTextOnly() {
    QtClipboard clipboard;
    copyToClipboard(defaults(), clipboard);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->formats(), QStringList{u"text/plain"_s});
    QVERIFY(data->text().endsWith(u"//End MessageBox Creator Code\r\n"_s));
  }
};

QTEST_MAIN(TestQtClipboard)
#include "test_qt_clipboard.moc"

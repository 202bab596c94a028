// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/file_dialog_request.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DialogKind)
Q_DECLARE_METATYPE(FileDialogMode)

class TestFileDialogRequest : public QObject {
  Q_OBJECT

 private slots:
  void eachKindShowsItsOwnSettings_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<FileDialogMode>("mode");
    QTest::addColumn<bool>("picturePane");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("defaultExtension");
    QTest::newRow("Open opens; an empty default extension is absent")
        << DialogKind::Open << FileDialogMode::Open << false << "Open report"
        << "absent";
    QTest::newRow("Save saves, with its file types and default extension")
        << DialogKind::Save << FileDialogMode::Save << false << "Save report"
        << "txt";
    QTest::newRow("OpenPicture opens, with the picture pane")
        << DialogKind::OpenPicture << FileDialogMode::Open << true << "Open picture"
        << "absent";
    QTest::newRow("SavePicture saves, with the picture pane")
        << DialogKind::SavePicture << FileDialogMode::Save << true << "Save picture"
        << "absent";
  }
  void eachKindShowsItsOwnSettings() {
    QFETCH(DialogKind, kind);
    QFETCH(FileDialogMode, mode);
    QFETCH(bool, picturePane);
    QFETCH(QString, title);
    QFETCH(QString, defaultExtension);
    CommonDialogSettings settings;
    settings.files = {{{"Open report", "", {}},
                       {"Save report", "txt", {{{"Text files", "*.txt"}, {"All files", "*.*"}}}},
                       {"Open picture", "", {}},
                       {"Save picture", "", {}}}};
    const FileDialogRequest request = fileDialogRequest(kind, settings);
    QCOMPARE(request.mode, mode);
    QCOMPARE(request.picturePane, picturePane);
    QCOMPARE(request.title, title);
    QCOMPARE(request.defaultExtension.value_or(u"absent"_s), defaultExtension);
    const std::vector<FileFilter> saveTypes{{u"Text files"_s, u"*.txt"_s}, {u"All files"_s, u"*.*"_s}};
    QCOMPARE(request.filters, kind == DialogKind::Save ? saveTypes : std::vector<FileFilter>{});
  }
};

QTEST_APPLESS_MAIN(TestFileDialogRequest)
#include "test_file_dialog_request.moc"

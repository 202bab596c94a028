// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "file_dialog_request.h"

#include <QtTest>

Q_DECLARE_METATYPE(FileDialogKind)
Q_DECLARE_METATYPE(FileDialogMode)

class TestFileDialogRequest : public QObject {
  Q_OBJECT

 private slots:
  void eachKindShowsItsOwnSettings_data() {
    QTest::addColumn<FileDialogKind>("kind");
    QTest::addColumn<FileDialogMode>("mode");
    QTest::addColumn<bool>("picturePane");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("defaultExtension");
    QTest::newRow("Open opens; an empty default extension is absent")
        << FileDialogKind::Open << FileDialogMode::Open << false << "Open report"
        << "absent";
    QTest::newRow("Save saves, with its file types and default extension")
        << FileDialogKind::Save << FileDialogMode::Save << false << "Save report"
        << "txt";
    QTest::newRow("OpenPicture opens, with the picture pane")
        << FileDialogKind::OpenPicture << FileDialogMode::Open << true << "Open picture"
        << "absent";
    QTest::newRow("SavePicture saves, with the picture pane")
        << FileDialogKind::SavePicture << FileDialogMode::Save << true << "Save picture"
        << "absent";
  }
  void eachKindShowsItsOwnSettings() {
    QFETCH(FileDialogKind, kind);
    QFETCH(FileDialogMode, mode);
    QFETCH(bool, picturePane);
    QFETCH(QString, title);
    QFETCH(QString, defaultExtension);
    CommonDialogSettings settings;
    settings.open.title = "Open report";
    settings.save = {"Save report", "txt", {{{"Text files", "*.txt"}, {"All files", "*.*"}}}};
    settings.openPicture.title = "Open picture";
    settings.savePicture.title = "Save picture";
    const FileDialogRequest request = fileDialogRequest(kind, settings);
    QCOMPARE(request.mode, mode);
    QCOMPARE(request.picturePane, picturePane);
    QCOMPARE(request.title, title);
    QCOMPARE(request.defaultExtension.value_or("absent"), defaultExtension);
    const std::vector<FileFilter> saveTypes{{"Text files", "*.txt"}, {"All files", "*.*"}};
    QCOMPARE(request.filters, kind == FileDialogKind::Save ? saveTypes : std::vector<FileFilter>{});
  }
};

QTEST_APPLESS_MAIN(TestFileDialogRequest)
#include "test_file_dialog_request.moc"

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
    QTest::newRow("Open opens") << FileDialogKind::Open << FileDialogMode::Open << false << "Open report";
    QTest::newRow("Save saves") << FileDialogKind::Save << FileDialogMode::Save << false << "Save report";
    QTest::newRow("OpenPicture opens, with the picture pane")
        << FileDialogKind::OpenPicture << FileDialogMode::Open << true << "Open picture";
    QTest::newRow("SavePicture saves, with the picture pane")
        << FileDialogKind::SavePicture << FileDialogMode::Save << true << "Save picture";
  }
  void eachKindShowsItsOwnSettings() {
    QFETCH(FileDialogKind, kind);
    QFETCH(FileDialogMode, mode);
    QFETCH(bool, picturePane);
    QFETCH(QString, title);
    CommonDialogSettings settings;
    settings.open.title = "Open report";
    settings.save.title = "Save report";
    settings.openPicture.title = "Open picture";
    settings.savePicture.title = "Save picture";
    const FileDialogRequest request = fileDialogRequest(kind, settings);
    QCOMPARE(request.mode, mode);
    QCOMPARE(request.picturePane, picturePane);
    QCOMPARE(request.title, title);
  }

  void filterRowsBecomeFileTypesAndAnEmptyDefaultExtensionIsAbsent() {
    CommonDialogSettings settings;
    settings.save.filters[0] = {"Text files", "*.txt"};
    settings.save.filters[1] = {"All files", "*.*"};
    const FileDialogRequest request = fileDialogRequest(FileDialogKind::Save, settings);
    QCOMPARE(request.filters, (std::vector<FileFilter>{{"Text files", "*.txt"}, {"All files", "*.*"}}));
    QCOMPARE(request.defaultExtension, std::nullopt);
    settings.save.defaultExtension = "txt";
    QCOMPARE(fileDialogRequest(FileDialogKind::Save, settings).defaultExtension, QStringLiteral("txt"));
  }
};

QTEST_APPLESS_MAIN(TestFileDialogRequest)
#include "test_file_dialog_request.moc"

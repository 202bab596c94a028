// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "tests/support/test_support.h"
#include "ui/preview/show_preview.h"
#include "ui/windowing/screen_placement.h"
#include "ui/windowing/window_font.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DialogKind)

// "&Test" with the common-dialog creator for the file, font and colour kinds:
// the Qt dialogs as a user sees them.
class TestCommonDialogPreview : public QObject {
  Q_OBJECT

  static void preview(const CommonDialogSettings& dialog, const std::function<void(QDialog*)>& inspect) {
    ComposerSettings settings = commonDialogSettings(dialog.activeDialog);
    settings.commonDialog = dialog;
    ModalDialogProbe probe([&](QDialog* shown) {
      QVERIFY(!shown->parentWidget());
      QCOMPARE(shown->windowModality(), Qt::ApplicationModal);
      QCOMPARE(shown->pos(),
               commonDialogPosition(QGuiApplication::primaryScreen()->geometry(), shown->frameGeometry().size()));
      inspect(shown);
    });
    showPreview(settings, nullptr);
    QVERIFY(probe.seen());
  }

  static QStringList comboTexts(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
  }

  // The names that the file dialog's list shows, in alphabetical order.
  static QStringList listedNames(QDialog* dialog) {
    auto* view = dialog->findChild<QListView*>(u"listView"_s);
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
      names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
  }

  static bool definitionShown(QDialog* dialog) {
    return std::ranges::any_of(dialog->findChildren<QWidget*>(), [](QWidget* w) {
      return QByteArray(w->metaObject()->className()).endsWith("QColorPicker") && w->isVisible();
    });
  }

 private slots:
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void fileKindsShowTitleModeSuffixAndFilterNames_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("filled");  // false: no extension, a filter only in the second row
    for (const bool filled : {true, false}) {
      const char* settings = filled ? "" : ", no extension nor first filter";
      QTest::addRow("Open%s", settings) << DialogKind::Open << false << filled;
      QTest::addRow("Save%s", settings) << DialogKind::Save << true << filled;
      QTest::addRow("OpenPicture%s", settings) << DialogKind::OpenPicture << false << filled;
      QTest::addRow("SavePicture%s", settings) << DialogKind::SavePicture << true << filled;
    }
  }
  void fileKindsShowTitleModeSuffixAndFilterNames() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, save);
    QFETCH(bool, filled);
    CommonDialogSettings settings;
    settings.activeDialog = kind;
    FileDialogSettings& file = fileDialogSettings(settings, kind);
    file.title = "Open report";
    if (filled) {
      file.defaultExtension = "txt";
      file.filters[0] = {"Text files", "*.txt"};
      file.filters[1] = {"All files", "*.*"};
    } else {
      file.filters[1] = {"Bitmaps", "*.bmp"};
    }
    preview(settings, [&](QDialog* shown) {
      auto* dialog = qobject_cast<QFileDialog*>(shown);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Open report"));
      QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
      QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
      QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
      QCOMPARE(dialog->defaultSuffix(), filled ? QStringLiteral("txt") : QString());
      QCOMPARE(dialog->directory().absolutePath(), QDir::currentPath());
      const auto* types = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
      QCOMPARE(comboTexts(types), filled ? QStringList({u"Text files"_s, u"All files"_s}) : QStringList());
      QCOMPARE(types->currentIndex(), filled ? 0 : -1);
    });
  }

  // Each row offers exactly its name and matches by its own ";"-separated
  // patterns, whatever characters they hold; a blank belongs to the pattern.
  void filterRowsMatchByTheirOwnPatterns() {
    QTemporaryDir folder;
    for (const char* name : {"a.bäk", "b.bak", "c.(a)", "my file 1.txt", "myfile.txt", "plain"})
      QVERIFY(QFile(folder.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly));
    QVERIFY(QDir(folder.path()).mkdir(u"sub.dir"_s));
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Open;
    fileDialogSettings(settings, DialogKind::Open).filters[0] = {"Backups (old)", "*.bäk"};
    fileDialogSettings(settings, DialogKind::Open).filters[1] = {"\"Quoted\" \\ name", "*.(a);my file*.txt"};
    fileDialogSettings(settings, DialogKind::Open).filters[2] = {" Blank ", ";;"};
    fileDialogSettings(settings, DialogKind::Open).filters[3] = {"All files", "*.*"};
    fileDialogSettings(settings, DialogKind::Open).filters[4] = {"An empty pattern ends the list", ""};
    fileDialogSettings(settings, DialogKind::Open).filters[5] = {"Never offered", "*"};
    preview(settings, [](QDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
      QCOMPARE(comboTexts(types),
               QStringList({u"Backups (old)"_s, u"\"Quoted\" \\ name"_s, u" Blank "_s, u"All files"_s}));
      const QList<QStringList> shown = {
          {u"a.bäk"_s, u"sub.dir"_s},
          {u"c.(a)"_s, u"my file 1.txt"_s, u"sub.dir"_s},
          {u"sub.dir"_s},
          {u"a.bäk"_s, u"b.bak"_s, u"c.(a)"_s, u"my file 1.txt"_s, u"myfile.txt"_s, u"plain"_s, u"sub.dir"_s}};
      for (int row = 0; row < shown.size(); ++row) {
        types->setFocus();
        if (row > 0) QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentIndex(), row);
        QTRY_COMPARE(listedNames(dialog), shown[row]);
      }
    });
    QDir::setCurrent(workingDirectory);
  }

  // Nothing of a file or colour preview is kept: not on disk, not for the next
  // preview.
  void previewsLeaveNoStateBehind() {
    QTemporaryDir elsewhere;
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Save;
    QFileDialog::ViewMode startMode = QFileDialog::List;
    preview(settings, [&](QDialog* dialog) {
      auto* files = qobject_cast<QFileDialog*>(dialog);
      startMode = files->viewMode();
      files->setViewMode(startMode == QFileDialog::List ? QFileDialog::Detail : QFileDialog::List);
      files->setDirectory(elsewhere.path());
    });
    preview(settings, [&](QDialog* dialog) {
      auto* files = qobject_cast<QFileDialog*>(dialog);
      QCOMPARE(files->viewMode(), startMode);
      QCOMPARE(files->directory().absolutePath(), QDir::currentPath());
      QVERIFY(!files->history().contains(elsewhere.path()));
      const auto* back = files->findChild<QToolButton*>(QStringLiteral("backButton"));
      QVERIFY(back && !back->isEnabled());
    });
    settings.activeDialog = DialogKind::Color;
    settings.allowCustomColors = true;
    preview(settings, [](QDialog*) { QColorDialog::setCustomColor(0, Qt::red); });
    const QDir home(QDir::homePath());
    QCOMPARE(home.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QCOMPARE(config.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
  }

  // The picture kinds are the plain kind's dialog with the pane's strip added on the right.
  void pictureDialogsAreWiderByThePanesStrip() {
    for (const auto& [plainKind, pictureKind] :
         {std::pair(DialogKind::Open, DialogKind::OpenPicture), std::pair(DialogKind::Save, DialogKind::SavePicture)}) {
      CommonDialogSettings settings;
      settings.activeDialog = plainKind;
      QSize plain;
      preview(settings, [&](QDialog* dialog) { plain = dialog->size(); });
      settings.activeDialog = pictureKind;
      preview(settings, [&](QDialog* dialog) {
        const auto* pane = dialog->findChild<QWidget*>(QStringLiteral("PicturePanel"));
        QVERIFY(pane);
        QCOMPARE(dialog->size(), plain + QSize(pane->width(), 0));
      });
    }
  }

  void fontDialogStartsWithTheWindowFontAndOffersAColour() {
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Font;
    settings.fontDevice = FontDevice::ScreenFontsOnly;
    preview(settings, [](QDialog* shown) {
      auto* dialog = qobject_cast<QFontDialog*>(shown);
      QVERIFY(dialog);
      QCOMPARE(dialog->currentFont().family(), installedFontFamily(u"MS Sans Serif"_s));
      QCOMPARE(dialog->currentFont().pointSize(), 8);
      QVERIFY(!dialog->testOption(QFontDialog::ScalableFonts));
      auto* colors = dialog->findChild<QComboBox*>(u"fontColorList"_s);
      QVERIFY(colors && qobject_cast<QGroupBox*>(colors->parentWidget()));
      QCOMPARE(colors->count(), 16);
      QCOMPARE(colors->currentText(), QStringLiteral("Black"));
      colors->setCurrentIndex(colors->findText(u"Red"_s));
      QCOMPARE(dialog->findChild<QWidget*>(u"qt_fontDialog_sampleEdit"_s)->palette().color(QPalette::Text),
               QColor(255, 0, 0));
    });
  }

  void colourDialogForgetsCustomColoursAndStartsBlack() {
    QColorDialog::setCustomColor(3, Qt::red);
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Color;
    preview(settings, [](QDialog* shown) {
      auto* dialog = qobject_cast<QColorDialog*>(shown);
      QVERIFY(dialog);
      for (int i = 0; i < QColorDialog::customCount(); ++i) QCOMPARE(QColorDialog::customColor(i), QColor(Qt::white));
      QCOMPARE(dialog->currentColor(), QColor(Qt::black));
      QVERIFY(!definitionShown(dialog));
      QVERIFY(!dialog->findChild<QPushButton*>(u"defineCustomColorsButton"_s)->isEnabled());
    });
  }

  void customColoursAreDefinedAfterDefineCustomColors() {
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Color;
    settings.allowCustomColors = true;
    preview(settings, [](QDialog* dialog) {
      auto* define = dialog->findChild<QPushButton*>(u"defineCustomColorsButton"_s);
      QVERIFY(!definitionShown(dialog));
      QVERIFY(define->isEnabled());
      define->click();
      QVERIFY(definitionShown(dialog));
      QVERIFY(!define->isEnabled());
    });
    settings.showCustomColors = true;
    preview(settings, [](QDialog* dialog) { QVERIFY(definitionShown(dialog)); });
  }
};

QTEST_MAIN(TestCommonDialogPreview)
#include "test_common_dialog_preview.moc"

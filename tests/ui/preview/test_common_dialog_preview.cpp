#include "common_dialog_placement.h"
#include "modal_dialog_probe.h"
#include "show_preview.h"
#include "window_font.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(DialogKind)

// "&Test" with the common-dialog creator for the file, font and colour kinds:
// the Qt dialogs as a user sees them.
class TestCommonDialogPreview : public QObject {
  Q_OBJECT

  static void preview(const CommonDialogSettings& dialog, const std::function<void(QDialog*)>& inspect) {
    ComposerSettings settings = defaults();
    settings.activeCreator = CreatorKind::CommonDialog;
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

  static bool definitionShown(QDialog* dialog) {
    return std::ranges::any_of(dialog->findChildren<QWidget*>(), [](QWidget* w) {
      return QByteArray(w->metaObject()->className()).endsWith("QColorPicker") && w->isVisible();
    });
  }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void fileKinds_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("save");
    QTest::newRow("Open") << DialogKind::Open << false;
    QTest::newRow("Save") << DialogKind::Save << true;
    QTest::newRow("OpenPicture") << DialogKind::OpenPicture << false;
    QTest::newRow("SavePicture") << DialogKind::SavePicture << true;
  }
  void fileKinds() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, save);
    CommonDialogSettings settings;
    settings.activeDialog = kind;
    FileDialogSettings& file = *fileDialogSettings(settings, kind);
    file.title = "Open report";
    file.defaultExtension = "txt";
    file.filters[0] = {"Text files", "*.txt"};
    file.filters[1] = {"All files", "*.*"};
    preview(settings, [&](QDialog* shown) {
      auto* dialog = qobject_cast<QFileDialog*>(shown);
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Open report"));
      QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
      QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
      QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
      QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
      QCOMPARE(dialog->directory().absolutePath(), QDir::currentPath());
      const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
      QCOMPARE(comboTexts(types), QStringList({"Text files", "All files"}));
      QCOMPARE(types->currentIndex(), 0);
    });
  }

  void noFileTypesWithoutAFirstFilterName_data() { fileKinds_data(); }
  void noFileTypesWithoutAFirstFilterName() {
    QFETCH(DialogKind, kind);
    CommonDialogSettings settings;
    settings.activeDialog = kind;
    fileDialogSettings(settings, kind)->filters[1] = {"Bitmaps", "*.bmp"};
    preview(settings, [](QDialog* dialog) {
      QCOMPARE(dialog->findChild<QComboBox*>("fileTypeCombo")->count(), 0);
      QCOMPARE(qobject_cast<QFileDialog*>(dialog)->defaultSuffix(), QString());
    });
  }

  void fontDialogStartsWithTheWindowFontAndOffersAColour() {
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Font;
    settings.fontDevice = FontDevice::ScreenFontsOnly;
    preview(settings, [](QDialog* shown) {
      auto* dialog = qobject_cast<QFontDialog*>(shown);
      QVERIFY(dialog);
      QCOMPARE(dialog->currentFont().family(), installedFontFamily("MS Sans Serif"));
      QCOMPARE(dialog->currentFont().pointSize(), 8);
      QVERIFY(!dialog->testOption(QFontDialog::ScalableFonts));
      auto* colors = dialog->findChild<QComboBox*>("fontColorList");
      QVERIFY(colors && qobject_cast<QGroupBox*>(colors->parentWidget()));
      QCOMPARE(colors->count(), 16);
      QCOMPARE(colors->currentText(), QStringLiteral("Black"));
      colors->setCurrentIndex(colors->findText("Red"));
      QCOMPARE(dialog->findChild<QWidget*>("qt_fontDialog_sampleEdit")->palette().color(QPalette::Text),
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
      QVERIFY(!dialog->findChild<QPushButton*>("defineCustomColorsButton")->isEnabled());
    });
  }

  void customColoursAreDefinedAfterDefineCustomColors() {
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Color;
    settings.allowCustomColors = true;
    preview(settings, [](QDialog* dialog) {
      auto* define = dialog->findChild<QPushButton*>("defineCustomColorsButton");
      QVERIFY(!definitionShown(dialog));
      QVERIFY(define->isEnabled());
      define->click();
      QVERIFY(definitionShown(dialog));
      QVERIFY(!define->isEnabled());
    });
    settings.showCustomColors = true;
    preview(settings, [](QDialog* dialog) { QVERIFY(definitionShown(dialog)); });
  }

  void theWindowActiveBeforeIsActivatedAgain() {
    QWidget composer;
    composer.show();
    composer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&composer));
    CommonDialogSettings settings;
    settings.activeDialog = DialogKind::Color;
    preview(settings, [](QDialog* dialog) { QTRY_COMPARE(QApplication::activeWindow(), dialog); });
    QTRY_COMPARE(QApplication::activeWindow(), &composer);
  }
};

QTEST_MAIN(TestCommonDialogPreview)
#include "test_common_dialog_preview.moc"

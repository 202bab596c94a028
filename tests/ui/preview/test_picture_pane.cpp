// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "common_dialog_settings.h"
#include "metafile_converter.h"
#include "modal_dialog_probe.h"
#include "picture_loader.h"
#include "picture_paint_geometry.h"
#include "preview_form.h"
#include "show_preview.h"
#include "svg_rewriting.h"
#include "svg_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(DialogKind)

// The picture pane of the open-picture and save-picture previews: what it
// loads, where it draws, and the "Preview" window it opens.
class TestPicturePane : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  MetafileConverter converter_;

  static QString fixture(const QString& name) { return QStringLiteral(PICTURES_DIR "/") + name; }
  QString inFolder(const QString& name) const { return folder_.filePath(name); }

  // Shows the preview of `kind` with every file offered, in the test's folder.
  void preview(DialogKind kind, const std::function<void(QFileDialog*)>& inspect) {
    ComposerSettings settings = commonDialogSettings(kind);
    fileDialogSettings(settings.commonDialog, kind)->filters[0] = {"All files", "*"};
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    ModalDialogProbe probe([&](QDialog* shown) { inspect(qobject_cast<QFileDialog*>(shown)); });
    showPreview(settings, nullptr);
    QDir::setCurrent(previous);
    QVERIFY(probe.seen());
  }

  // Makes `name` the current item of the dialog's list, as a click does, and
  // waits until the pane has followed.
  static void select(QFileDialog* dialog, const QString& name, const QString& label) {
    auto* list = dialog->findChild<QListView*>("listView");
    QModelIndex item;
    QTRY_VERIFY((item = findItem(list, name)).isValid());
    list->setCurrentIndex(item);
    QTRY_COMPARE(dialog->findChild<QLabel*>("PictureLabel")->text(), label);
  }

  static QModelIndex findItem(const QListView* list, const QString& name) {
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    return found.value(0);
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    for (const char* name : {"bitmap.bmp", "drawing.wmf", "drawing.emf", "notes.txt", "photo.jpg"})
      QVERIFY(QFile::copy(fixture(name), inFolder(name)));
    QVERIFY(QFile::copy(fixture("bitmap.bmp"), inFolder("UPPER.BMP")));
    QVERIFY(QFile::copy(fixture("drawing.emf"), inFolder("drawing-emf.wmf")));
    QVERIFY(QDir(folder_.path()).mkdir("folder.bmp"));
    QCOMPARE(::mkfifo(QFile::encodeName(inFolder("fifo.bmp")).constData(), 0600), 0);
  }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

  void paintRect_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("fits: centred, offsets truncated") << QSize(100, 80) << QSize(41, 31) << QRect(29, 24, 41, 31);
    QTest::newRow("as large as the box") << QSize(100, 80) << QSize(100, 80) << QRect(0, 0, 100, 80);
    QTest::newRow("wider than high: full width") << QSize(100, 100) << QSize(400, 200) << QRect(0, 0, 100, 50);
    QTest::newRow("higher than wide: full height") << QSize(100, 100) << QSize(200, 300) << QRect(0, 0, 67, 100);
    QTest::newRow("square: full height") << QSize(120, 100) << QSize(150, 150) << QRect(0, 0, 100, 100);
    QTest::newRow("only one side too large") << QSize(100, 100) << QSize(50, 101) << QRect(0, 0, 50, 100);
    QTest::newRow("half rounds up") << QSize(100, 100) << QSize(200, 101) << QRect(0, 0, 100, 51);
    QTest::newRow("wide but full width overruns") << QSize(100, 20) << QSize(200, 150) << QRect(0, 0, 27, 20);
  }
  void paintRect() {
    QFETCH(QSize, box);
    QFETCH(QSize, picture);
    QFETCH(QRect, expected);
    QCOMPARE(picturePaintRect(box, picture), expected);
  }

  void loadPicture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");  // empty: nothing loaded
    QTest::newRow("bitmap") << fixture("bitmap.bmp") << QSize(40, 30);
    QTest::newRow("extension in capitals") << inFolder("UPPER.BMP") << QSize(40, 30);
    QTest::newRow("icon") << fixture("icon.ico") << QSize(16, 16);
    QTest::newRow("WMF: placeable frame at 96 dpi") << fixture("drawing.wmf") << QSize(192, 96);
    QTest::newRow("EMF: frame in 0.01 mm at 96 dpi") << fixture("drawing.emf") << QSize(227, 113);
    QTest::newRow("text file") << fixture("notes.txt") << QSize();
    QTest::newRow("JPEG") << fixture("photo.jpg") << QSize();
    QTest::newRow("JPEG named .bmp") << fixture("photo-named.bmp") << QSize();
    QTest::newRow("truncated bitmap") << fixture("bitmap-truncated.bmp") << QSize();
    QTest::newRow("bitmap claiming 100000 x 100000") << fixture("bitmap-huge.bmp") << QSize();
    QTest::newRow("truncated icon") << fixture("icon-truncated.ico") << QSize();
    QTest::newRow("truncated WMF") << fixture("drawing-truncated.wmf") << QSize();
    QTest::newRow("WMF claiming a 4 GB record") << fixture("drawing-max-record.wmf") << QSize();
    QTest::newRow("WMF record larger than the file") << fixture("drawing-record-size.wmf") << QSize();
    QTest::newRow("WMF without placeable header") << fixture("drawing-unplaceable.wmf") << QSize();
    QTest::newRow("truncated EMF") << fixture("drawing-truncated.emf") << QSize();
    QTest::newRow("EMF record larger than the file") << fixture("drawing-record-size.emf") << QSize();
    QTest::newRow("EMF named .wmf") << inFolder("drawing-emf.wmf") << QSize();
    QTest::newRow("folder") << inFolder("folder.bmp") << QSize();
    QTest::newRow("FIFO") << inFolder("fifo.bmp") << QSize();
    QTest::newRow("missing") << inFolder("missing.bmp") << QSize();
    QTest::newRow("empty path") << QString() << QSize();
  }
  void loadPicture() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const std::optional<Picture> picture = ::loadPicture(path, 96, converter_);
    QCOMPARE(picture.has_value(), !size.isEmpty());
    if (picture) QCOMPARE(picture->size(), size);
  }

  // Metafile texts arrive in the file's code page and unescaped.
  void metafileTextBecomesSvgText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("markup escaped, ANSI")
        << QByteArray("<a href=\"x\">&\xe9\x80") << 0 << QString::fromUtf8("&lt;a href=&quot;x&quot;&gt;&amp;é€");
    QTest::newRow("Cyrillic") << QByteArray("\xcf\xf0\xe8") << 204 << QString::fromUtf8("При");
    QTest::newRow("undefined byte, control characters") << QByteArray("a\x81\x01\tb") << 0 << "a?\tb";
    QTest::newRow("unknown character set counts as ANSI") << QByteArray("\xe9") << 77 << QString::fromUtf8("é");
  }
  void metafileTextBecomesSvgText() {
    QFETCH(QByteArray, text);
    QFETCH(int, charset);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(svgText(text.toStdString(), charset)), expected);
  }

  void styleBecomesPresentationAttributes() {
    QCOMPARE(withPresentationAttributes("<rect\n\tstyle=\"fill:red; stroke-width:1.5\" />"
                                        "<text font-style=\"normal\">style=\"x\"</text>"),
             "<rect\n\tfill=\"red\" stroke-width=\"1.5\" /><text font-style=\"normal\">style=\"x\"</text>");
  }

  void onlyThePictureKindsHaveThePane_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("pane");
    QTest::newRow("Open") << DialogKind::Open << false;
    QTest::newRow("Save") << DialogKind::Save << false;
    QTest::newRow("OpenPicture") << DialogKind::OpenPicture << true;
    QTest::newRow("SavePicture") << DialogKind::SavePicture << true;
  }
  void onlyThePictureKindsHaveThePane() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, pane);
    preview(kind, [&](QFileDialog* dialog) {
      auto* panel = dialog->findChild<QWidget*>("PicturePanel");
      QCOMPARE(panel != nullptr, pane);
      if (!pane) return;
      QVERIFY(panel->isVisible());
      // The strip on the right, from 4 pixels below the top to the bottom edge,
      // beside the standard controls.
      QCOMPARE(panel->geometry(), QRect(dialog->width() - panel->width(), 4, panel->width(), dialog->height() - 4));
      auto* nameField = dialog->findChild<QWidget*>("fileNameEdit");
      QVERIFY(nameField->mapTo(dialog, QPoint(nameField->width(), 0)).x() < panel->x());
      for (const char* name : {"PictureLabel", "PreviewButton", "PaintPanel", "PaintBox"})
        QVERIFY2(panel->findChild<QWidget*>(name), name);
      QCOMPARE(dialog->findChild<QLabel*>("PictureLabel")->text(), QString());
      QVERIFY(!dialog->findChild<QToolButton*>("PreviewButton")->isEnabled());
      QCOMPARE(dialog->findChild<QToolButton*>("PreviewButton")->toolTip(), QStringLiteral("Preview"));
    });
  }

  void paneFollowsTheSelection_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");      // empty: no picture
    QTest::addColumn<bool>("redCorner");  // false where the frame has a margin
    QTest::addColumn<bool>("typed");      // the name typed into "File name" instead of clicked
    QTest::newRow("bitmap") << "bitmap.bmp" << QSize(40, 30) << true << false;
    QTest::newRow("WMF") << "drawing.wmf" << QSize(192, 96) << false << false;
    QTest::newRow("EMF") << "drawing.emf" << QSize(227, 113) << false << false;
    QTest::newRow("text file") << "notes.txt" << QSize() << false << false;
    QTest::newRow("JPEG") << "photo.jpg" << QSize() << false << false;
    QTest::newRow("folder") << "folder.bmp" << QSize() << false << false;
    QTest::newRow("typed bitmap name") << "bitmap.bmp" << QSize(40, 30) << true << true;
    QTest::newRow("typed name of no file") << "bitmap.bm" << QSize() << false << true;
  }
  void paneFollowsTheSelection() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, redCorner);
    QFETCH(bool, typed);
    const bool loaded = !size.isEmpty();
    const QString label = loaded ? QStringLiteral(" (%1x%2)").arg(size.width()).arg(size.height()) : "Picture:";
    preview(DialogKind::OpenPicture, [&](QFileDialog* dialog) {
      // Starts from the other state, so that the pane is seen to change.
      if (loaded)
        select(dialog, "notes.txt", "Picture:");
      else
        select(dialog, "bitmap.bmp", " (40x30)");
      if (typed) {
        auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        nameField->setFocus();
        nameField->selectAll();
        QTest::keyClicks(nameField, file);
        QTRY_COMPARE(dialog->findChild<QLabel*>("PictureLabel")->text(), label);
      } else {
        select(dialog, file, label);
      }
      QCOMPARE(dialog->findChild<QToolButton*>("PreviewButton")->isEnabled(), loaded);
      auto* box = dialog->findChild<QWidget*>("PaintBox");
      const QImage painted = box->grab().toImage();
      const QRect drawn = loaded ? picturePaintRect(box->size(), size) : box->rect();
      QCOMPARE(painted.pixelColor(drawn.center()) == Qt::red, loaded);
      QCOMPARE(painted.pixelColor(drawn.topLeft() + QPoint(2, 2)) == Qt::red, redCorner);
    });
  }

  void previewWindow_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<QSize>("size");
    QTest::newRow("button, bitmap at natural size") << "bitmap.bmp" << true << QSize(40 + 12, 30 + 12);
    QTest::newRow("double click, bitmap") << "bitmap.bmp" << false << QSize(40 + 12, 30 + 12);
    QTest::newRow("double click, no picture: initial size") << "notes.txt" << false << PreviewForm::initialClientSize;
  }
  void previewWindow() {
    QFETCH(QString, file);
    QFETCH(bool, byButton);
    QFETCH(QSize, size);
    preview(DialogKind::SavePicture, [&](QFileDialog* dialog) {
      select(dialog, file, file.endsWith(".bmp") ? " (40x30)" : "Picture:");
      ModalDialogProbe probe([&](QDialog* form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Preview"));
        QVERIFY(form->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(form->size(), size);
        // Centred by the outer rectangle: the offscreen platform gives windows a frame.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect outer = form->frameGeometry();
        QCOMPARE(outer.topLeft(), screen.topLeft() + QPoint((screen.width() - outer.width()) / 2,
                                                            (screen.height() - outer.height()) / 2));
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
      });
      if (byButton)
        QTest::mouseClick(dialog->findChild<QToolButton*>("PreviewButton"), Qt::LeftButton);
      else
        QTest::mouseDClick(dialog->findChild<QWidget*>("PaintBox"), Qt::LeftButton);
      QVERIFY(probe.seen());
    });
  }
};

QTEST_MAIN(TestPicturePane)
#include "test_picture_pane.moc"

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/modal_dialog_probe.h"
#include "tests/support/test_support.h"
#include "ui/preview/picture/picture_paint_geometry.h"
#include "ui/preview/picture/preview_form.h"
#include "ui/preview/show_preview.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(DialogKind)

// The picture pane of the open-picture and save-picture previews: which
// dialogs have it, how it follows the selection, and the "Preview" window it
// opens.
class TestPicturePane : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;

  // Shows the preview of `kind` with every file offered, in the test's folder.
  void preview(DialogKind kind, const std::function<void(QFileDialog*)>& inspect) {
    ComposerSettings settings = commonDialogSettings(kind);
    fileDialogSettings(settings.commonDialog, kind).filters[0] = {"All files", "*"};
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
    auto* list = dialog->findChild<QListView*>(u"listView"_s);
    const auto item = [&] {
      return list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole, name, 1,
                                  Qt::MatchExactly);
    };
    QTRY_VERIFY(!item().isEmpty());
    list->setCurrentIndex(item().front());
    QTRY_COMPARE(dialog->findChild<QLabel*>(u"PictureLabel"_s)->text(), label);
  }

 private slots:
  void initTestCase() {
    for (const QString& name : {u"bitmap.bmp"_s, u"drawing.wmf"_s, u"drawing.emf"_s, u"notes.txt"_s})
      QVERIFY(QFile::copy(QStringLiteral(PICTURES_DIR "/") + name, folder_.filePath(name)));
    QCOMPARE(::mkfifo(QFile::encodeName(folder_.filePath(u"fifo.bmp"_s)).constData(), 0600), 0);
  }
  void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

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
      auto* panel = dialog->findChild<QWidget*>(u"PicturePanel"_s);
      QCOMPARE(panel != nullptr, pane);
      if (!pane) return;
      QVERIFY(panel->isVisible());
      // The strip on the right, from 4 pixels below the top to the bottom edge,
      // beside the standard controls.
      QCOMPARE(panel->geometry(), QRect(dialog->width() - panel->width(), 4, panel->width(), dialog->height() - 4));
      auto* nameField = dialog->findChild<QWidget*>(u"fileNameEdit"_s);
      QVERIFY(nameField->mapTo(dialog, QPoint(nameField->width(), 0)).x() < panel->x());
      for (const char* name : {"PictureLabel", "PreviewButton", "PaintPanel", "PaintBox"})
        QVERIFY2(panel->findChild<QWidget*>(QString::fromLatin1(name)), name);
      QCOMPARE(dialog->findChild<QLabel*>(u"PictureLabel"_s)->text(), QString());
      QVERIFY(!dialog->findChild<QToolButton*>(u"PreviewButton"_s)->isEnabled());
      QCOMPARE(dialog->findChild<QToolButton*>(u"PreviewButton"_s)->toolTip(), QStringLiteral("Preview"));
      QCOMPARE(dialog->findChild<QToolButton*>(u"PreviewButton"_s)->accessibleName(), QStringLiteral("Preview"));
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
    QTest::newRow("typed bitmap name") << "bitmap.bmp" << QSize(40, 30) << true << true;
    QTest::newRow("typed name of no file") << "bitmap.bm" << QSize() << false << true;
  }
  void paneFollowsTheSelection() {
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, redCorner);
    QFETCH(bool, typed);
    const bool loaded = !size.isEmpty();
    const QString label = loaded ? QStringLiteral(" (%1x%2)").arg(size.width()).arg(size.height()) : u"Picture:"_s;
    preview(DialogKind::OpenPicture, [&](QFileDialog* dialog) {
      // Starts from the other state, so that the pane is seen to change.
      select(dialog, loaded ? u"notes.txt"_s : u"bitmap.bmp"_s, loaded ? u"Picture:"_s : u" (40x30)"_s);
      if (typed) {
        auto* nameField = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        nameField->setFocus();
        nameField->selectAll();
        QTest::keyClicks(nameField, file);
        QTRY_COMPARE(dialog->findChild<QLabel*>(u"PictureLabel"_s)->text(), label);
      } else {
        select(dialog, file, label);
      }
      QCOMPARE(dialog->findChild<QToolButton*>(u"PreviewButton"_s)->isEnabled(), loaded);
      // A screen reader reads the size without the blank that spaces it from the caption.
      QCOMPARE(dialog->findChild<QLabel*>(u"PictureLabel"_s)->accessibleName(), label.trimmed());
      auto* box = dialog->findChild<QWidget*>(u"PaintBox"_s);
      const QImage painted = box->grab().toImage();
      const QRect drawn = loaded ? picturePaintRect(box->size(), size) : box->rect();
      QCOMPARE(painted.pixelColor(drawn.center()) == Qt::red, loaded);
      QCOMPARE(painted.pixelColor(drawn.topLeft() + QPoint(2, 2)) == Qt::red, redCorner);
    });
  }

  // The pane shows the file the list highlights: emptying the name box while
  // a file stays highlighted keeps it, and so does moving to it (Home).
  void paneShowsTheHighlightedFile() {
    preview(DialogKind::OpenPicture, [&](QFileDialog* dialog) {
      select(dialog, u"bitmap.bmp"_s, u" (40x30)"_s);
      auto* list = dialog->findChild<QListView*>(u"listView"_s);
      auto* label = dialog->findChild<QLabel*>(u"PictureLabel"_s);
      dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->clear();
      QTest::qWait(300);
      QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("bitmap.bmp"));
      QCOMPARE(label->text(), QStringLiteral(" (40x30)"));
      QTest::keyClick(list, Qt::Key_Home);
      QTest::qWait(300);
      QCOMPARE(label->text(), QStringLiteral(" (40x30)"));
    });
  }

  void previewButtonAndDoubleClickOpenThePictureAtItsSize_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<QSize>("size");
    QTest::newRow("button, bitmap at natural size") << "bitmap.bmp" << true << QSize(40 + 12, 30 + 12);
    QTest::newRow("double click, bitmap") << "bitmap.bmp" << false << QSize(40 + 12, 30 + 12);
    QTest::newRow("double click, no picture: initial size") << "notes.txt" << false << PreviewForm::initialClientSize;
  }
  void previewButtonAndDoubleClickOpenThePictureAtItsSize() {
    QFETCH(QString, file);
    QFETCH(bool, byButton);
    QFETCH(QSize, size);
    preview(DialogKind::SavePicture, [&](QFileDialog* dialog) {
      select(dialog, file, file.endsWith(u".bmp"_s) ? u" (40x30)"_s : u"Picture:"_s);
      ModalDialogProbe probe([&](QDialog* form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("Preview"));
        QVERIFY(form->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(form->size(), size);
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
      });
      if (byButton)
        QTest::mouseClick(dialog->findChild<QToolButton*>(u"PreviewButton"_s), Qt::LeftButton);
      else
        QTest::mouseDClick(dialog->findChild<QWidget*>(u"PaintBox"_s), Qt::LeftButton);
      QVERIFY(probe.seen());
    });
  }
};

QTEST_MAIN(TestPicturePane)
#include "test_picture_pane.moc"

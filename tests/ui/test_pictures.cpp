// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

using namespace Qt::StringLiterals;

// The pictures of the composer window are built into the program and draw at 32 x 32.
class TestPictures : public QObject {
  Q_OBJECT

 private slots:
  void everyPictureLoadsAt32By32_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"message_box_creator", "input_box_creator", "common_dialog_creator", "icon_information",
                             "icon_question", "icon_error", "icon_warning", "quillmark"})
      QTest::newRow(name) << name;
  }

  void everyPictureLoadsAt32By32() {
    QFETCH(QString, name);
    QSvgRenderer renderer(u":/pictures/"_s + name + u".svg"_s);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(32, 32));

    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QVERIFY(image.pixelColor(16, 16).alpha() > 0);
  }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"

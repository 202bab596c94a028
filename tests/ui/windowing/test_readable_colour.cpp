// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/windowing/readable_colour.h"

#include <QApplication>
#include <QtTest>

namespace {

QPalette scheme(const char* window, const char* text, const char* button, const char* link) {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor::fromString(QLatin1String(window)));
  palette.setColor(QPalette::WindowText, QColor::fromString(QLatin1String(text)));
  palette.setColor(QPalette::Button, QColor::fromString(QLatin1String(button)));
  palette.setColor(QPalette::Link, QColor::fromString(QLatin1String(link)));
  return palette;
}

}  // namespace

class TestReadableColour : public QObject {
  Q_OBJECT

 private slots:
  // On the default light palette each colour stays as the windows fix it. Elsewhere: a
  // colour of the fixed one's hue, 4.5:1 from the window, the buttons and the tab pages as
  // the screen shows them (text) or from the white captions (panel), unless the row
  // expects the palette's own link colour.
  void keepsTheHueAndReachesTheContrast_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QColor>("tabPage");  // as the screen shows a tab page under the palette
    QTest::addColumn<QColor>("note");     // exactly this colour; invalid: any readable one
    QTest::addColumn<QColor>("link");
    QTest::addColumn<QColor>("panel");
    const QColor any;
    QTest::newRow("default light") << QApplication::palette() << QColor(0xfb, 0xfb, 0xfb) << QColor(255, 0, 0)
                                   << QColor(0, 0, 255) << QColor(128, 128, 128);
    QTest::newRow("Adwaita-dark") << scheme("#353535", "#eeeeec", "#353535", "#2a76c6") << QColor(0x43, 0x43, 0x43)
                                  << any << any << any;
    QTest::newRow("Qt darker scheme") << scheme("#222020", "#ffffff", "#424245", "#0986d3") << QColor(0x53, 0x53, 0x55)
                                      << any << any << any;
    QTest::newRow("black high contrast, red already readable")
        << scheme("#000000", "#ffffff", "#000000", "#0000ff") << QColor(Qt::black) << QColor(255, 0, 0) << any << any;
    QTest::newRow("black high contrast, yellow links")
        << scheme("#000000", "#ffffff", "#000000", "#ffff00") << QColor(Qt::black) << any << QColor(255, 255, 0) << any;
    QTest::newRow("white high contrast") << scheme("#ffffff", "#000000", "#ffffff", "#0000ee") << QColor(Qt::white)
                                         << any << QColor(0, 0, 238) << any;
  }
  void keepsTheHueAndReachesTheContrast() {
    QFETCH(QPalette, palette);
    QFETCH(QColor, tabPage);
    QFETCH(QColor, note);
    QFETCH(QColor, link);
    QFETCH(QColor, panel);
    const QColor window = palette.color(QPalette::Window);
    const struct {
      FixedColour which;
      QColor expected;
      int hue;
      std::vector<QColor> backgrounds;
    } cases[] = {
        {FixedColour::Note, note, 0, {window, palette.color(QPalette::Button), tabPage}},
        {FixedColour::Link, link, 240, {window, palette.color(QPalette::Button), tabPage}},
        {FixedColour::CaptionedPanel, panel, -1, {Qt::white}},
    };
    for (const auto& [which, expected, hue, backgrounds] : cases) {
      const QColor colour = readableColour(which, palette);
      if (expected.isValid()) {
        QCOMPARE(colour, expected);
        continue;
      }
      QCOMPARE(colour.hslHue(), hue);
      for (const QColor& background : backgrounds) QCOMPARE_GE(contrastRatio(colour, background), 4.5);
    }
  }

  void measuresContrastByLuminance_data() {
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(Qt::red) << QColor(Qt::red) << 1.0;
    QTest::newRow("white captions on mid-grey") << QColor(Qt::white) << QColor(128, 128, 128) << 3.95;
    QTest::newRow("blue on black") << QColor(0, 0, 255) << QColor(Qt::black) << 2.44;
  }
  void measuresContrastByLuminance() {
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QCOMPARE(std::round(contrastRatio(first, second) * 100) / 100, ratio);
  }
};

QTEST_MAIN(TestReadableColour)
#include "test_readable_colour.moc"

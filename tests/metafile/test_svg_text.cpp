// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "svg_text.h"

#include <QtTest>

// The rewriting of the SVG that the metafile libraries write: texts, the root
// element's size, and style attributes.
class TestSvgText : public QObject {
  Q_OBJECT

 private slots:
  // Metafile texts arrive in the font's code page and unescaped.
  void metafileTextBecomesSvgText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("markup escaped, ANSI")
        << QByteArray("<a href=\"x\">&\xe9\x80") << 0 << QString::fromUtf8("&lt;a href=&quot;x&quot;&gt;&amp;é€");
    QTest::newRow("Cyrillic") << QByteArray("\xcf\xf0\xe8") << 204 << QString::fromUtf8("При");
    QTest::newRow("Japanese, two bytes a character")
        << QByteArray("\x93\xfa\x96\x7b") << 128 << QString::fromUtf8("日本");
    QTest::newRow("undefined byte, control characters") << QByteArray("a\x81\x01\tb") << 0 << "a?\tb";
    QTest::newRow("unknown character set counts as ANSI") << QByteArray("\xe9") << 77 << QString::fromUtf8("é");
  }
  void metafileTextBecomesSvgText() {
    QFETCH(QByteArray, text);
    QFETCH(int, charset);
    QTEST(QString::fromStdString(svgText(text.toStdString(), charset)), "expected");
  }

  void viewBoxReplacesTheRootsSize_data() {
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("width and height replaced")
        << "<?xml?><svg width=\"10\" height=\"20\" xmlns=\"x\"><rect width=\"5\"/></svg>"
        << "<?xml?><svg viewBox=\"1.5 -2 300 0.25\" preserveAspectRatio=\"none\" xmlns=\"x\"><rect width=\"5\"/></svg>";
    QTest::newRow("attributes after tabs") << "<svg\twidth=\"10\"\theight=\"20\">"
                                           << "<svg viewBox=\"1.5 -2 300 0.25\" preserveAspectRatio=\"none\">";
    QTest::newRow("no size to replace") << "<svg>"
                                        << "<svg viewBox=\"1.5 -2 300 0.25\" preserveAspectRatio=\"none\">";
    QTest::newRow("no root element") << "<rect width=\"5\"/>"
                                     << "";
    QTest::newRow("root never closed") << "<svg width=\"10\""
                                       << "";
  }
  void viewBoxReplacesTheRootsSize() {
    QFETCH(QString, svg);
    QTEST(QString::fromStdString(withViewBox(svg.toStdString(), 1.5, -2, 300, 0.25)), "expected");
  }

  void styleBecomesPresentationAttributes_data() {
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("declarations become attributes") << "<rect\n\tstyle=\"fill:red; stroke-width:1.5\" />"
                                                    << "<rect\n\tfill=\"red\" stroke-width=\"1.5\" />";
    QTest::newRow("other names and texts kept") << "<text font-style=\"normal\">style=\"x\"</text>"
                                                << "<text font-style=\"normal\">style=\"x\"</text>";
    QTest::newRow("declarations without name or colon dropped") << "<g style=\" :x;fill ; Fill:red;stroke : blue ;\">"
                                                                << "<g stroke=\"blue\">";
    QTest::newRow("unclosed style kept") << "<g style=\"fill:red"
                                         << "<g style=\"fill:red";
  }
  void styleBecomesPresentationAttributes() {
    QFETCH(QString, svg);
    QTEST(QString::fromStdString(withPresentationAttributes(svg.toStdString())), "expected");
  }
};

QTEST_GUILESS_MAIN(TestSvgText)
#include "test_svg_text.moc"

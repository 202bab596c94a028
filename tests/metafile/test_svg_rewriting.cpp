// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/svg_rewriting.h"

#include <QtTest>

// The rewriting of the SVG that the metafile libraries write: the root element's
// size and style attributes.
class TestSvgRewriting : public QObject {
  Q_OBJECT

 private slots:
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
    QTest::newRow("initial values the WMF library states left out")
        << "<rect style=\"fill-opacity:1.0; fill:red; stroke-dasharray:none; \" />"
        << "<rect fill=\"red\" />";
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

QTEST_GUILESS_MAIN(TestSvgRewriting)
#include "test_svg_rewriting.moc"

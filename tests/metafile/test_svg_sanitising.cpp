// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "picture_helper/svg_sanitising.h"

#include <QtTest>

// What of the metafile libraries' SVG reaches the helper's renderer: the
// libraries' own documents as they stand, anything else without what it must
// not name or hold.
class TestSvgSanitising : public QObject {
  Q_OBJECT

 private slots:
  void documentsAreDrawnAsTheyStandOrWithoutWhatMustGo_data() {
    QTest::addColumn<QByteArray>("svg");
    QTest::addColumn<QByteArray>("unwanted");  // empty: the document comes back unchanged
    const QByteArray wmfProlog =
        "<?xml version=\"1.0\" standalone=\"no\"?>\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20001102//EN\"\n"
        "\"http://www.w3.org/TR/2000/CR-SVG-20001102/DTD/svg-20001102.dtd\">\n";
    const QByteArray root =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 8 8\">";
    const QByteArray rect = "<rect x=\"1\" width=\"2\" height=\"2\" fill=\"red\" stroke-linejoin=\"round\" />";
    QTest::newRow("as the WMF library writes it") << wmfProlog + root + rect + "</svg>" << QByteArray();
    QTest::newRow("as the EMF library writes it, with a text")
        << "<?xml version=\"1.0\"  encoding=\"UTF-8\" standalone=\"no\"?>\n" + root +
               "<g transform=\"translate(1, 1)\">" + rect + "<text><![CDATA[a < b]]></text></g></svg>"
        << QByteArray();
    QTest::newRow("image of a file") << root + "<image width=\"4\" height=\"4\" xlink:href=\"/tmp/secret.png\"/>" +
                                            rect + "</svg>"
                                     << QByteArray("secret");
    QTest::newRow("image under a prefix") << root +
                                                 "<s:image xmlns:s=\"http://www.w3.org/2000/svg\" width=\"4\" "
                                                 "height=\"4\" xlink:href=\"/tmp/secret.png\"/>" +
                                                 rect + "</svg>"
                                          << QByteArray("secret");
    QTest::newRow("style naming a file, in capitals")
        << root + "<rect width=\"2\" height=\"2\" style=\"fill:URL(/tmp/secret.svg)\"/>" + rect + "</svg>"
        << QByteArray("secret");
    QTest::newRow("entity declared in the document type")
        << "<!DOCTYPE svg [<!ENTITY e \"x\">]>" + root + rect + "<text>&e;</text></svg>" << QByteArray("ENTITY");
    QTest::newRow("comment") << wmfProlog + root + "<!-- secret -->" + rect + "</svg>" << QByteArray("secret");
    QTest::newRow("element the libraries never write")
        << root + "<foreignObject><p>secret</p></foreignObject>" + rect + "</svg>" << QByteArray("secret");
  }
  void documentsAreDrawnAsTheyStandOrWithoutWhatMustGo() {
    QFETCH(QByteArray, svg);
    QFETCH(QByteArray, unwanted);
    const std::optional<QByteArray> drawn = sanitisedSvg(svg);
    QVERIFY(drawn);
    if (unwanted.isEmpty()) {
      QCOMPARE(*drawn, svg);
      return;
    }
    QVERIFY2(!drawn->contains(unwanted), drawn->constData());
    QVERIFY(drawn->contains("<rect"));
  }
};

QTEST_GUILESS_MAIN(TestSvgSanitising)
#include "test_svg_sanitising.moc"

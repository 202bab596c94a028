// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "metafile/metafile_to_svg.h"
#include "metafile/svg_text.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Texts of a metafile in the font's code page turned into SVG text.
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

  // A WMF's texts reach its SVG in their code page's characters and in the
  // font the library maps their face name to, which it maps only for text.
  void wmfTextsReachTheSvgInTheirFont() {
    QFile file(QStringLiteral(PICTURES_DIR "/texts.wmf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::optional<ConvertedMetafile> converted = metafileToSvg(
        {reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())}, MetafileFormat::Wmf);
    QVERIFY(converted);
    const QString svg = QString::fromStdString(converted->svg);
    QCOMPARE(svg.count(u"font-family=\"Helvetica\""_s), 2);
    QVERIFY(svg.contains(QString::fromUtf8(">Привет</text>")));
    QVERIFY(svg.contains(QString::fromUtf8(">日本語</text>")));
  }
};

QTEST_GUILESS_MAIN(TestSvgText)
#include "test_svg_text.moc"

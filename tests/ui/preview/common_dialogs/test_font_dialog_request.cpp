// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/font_dialog_request.h"

#include <QtTest>

Q_DECLARE_METATYPE(FontDevice)

class TestFontDialogRequest : public QObject {
  Q_OBJECT

 private slots:
  void theDeviceChoosesTheFontsListed_data() {
    QTest::addColumn<FontDevice>("device");
    QTest::addColumn<bool>("screenFonts");
    QTest::addColumn<bool>("printerFonts");
    QTest::newRow("all fonts: both, so a printer is needed") << FontDevice::AllFonts << true << true;
    QTest::newRow("screen fonts only: no printer needed") << FontDevice::ScreenFontsOnly << true << false;
    QTest::newRow("printer fonts only") << FontDevice::PrinterFontsOnly << false << true;
  }
  void theDeviceChoosesTheFontsListed() {
    QFETCH(FontDevice, device);
    QFETCH(bool, screenFonts);
    QFETCH(bool, printerFonts);
    const FontDialogRequest request = fontDialogRequest(device);
    QCOMPARE(request.screenFonts, screenFonts);
    QCOMPARE(request.printerFonts, printerFonts);
  }
};

QTEST_APPLESS_MAIN(TestFontDialogRequest)
#include "test_font_dialog_request.moc"

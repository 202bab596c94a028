// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "centred_on_screen.h"
#include "color_dialog_request.h"
#include "color_ref.h"
#include "common_dialog_placement.h"
#include "file_dialog_request.h"
#include "font_dialog_request.h"
#include "input_box_layout.h"
#include "message_box_text.h"
#include "mul_div.h"
#include "platform_choice.h"
#include "preview_color_dialog.h"
#include "print_dialog_request.h"

#include <QtTest>

using Filters = std::vector<FileFilter>;
Q_DECLARE_METATYPE(Filters)
Q_DECLARE_METATYPE(DialogKind)

// The values each preview passes to its dialog, computed without showing one.
class TestPreviewRequests : public QObject {
  Q_OBJECT

 private slots:
  void mulDivRoundsToTheNearestWholeNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 180 << 6 << 4 << 270;
    QTest::newRow(".375 down") << 63 << 13 << 8 << 102;
    QTest::newRow(".625 up") << 41 << 13 << 8 << 67;
    QTest::newRow("half away from zero") << 1 << 1 << 2 << 1;
    QTest::newRow("negative half away from zero") << -3 << 1 << 2 << -2;
    QTest::newRow("no 32-bit overflow inside") << 65536 << 65536 << 65536 << 65536;
    QTest::newRow("zero denominator") << 5 << 1 << 0 << -1;
  }
  void mulDivRoundsToTheNearestWholeNumber() {
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, result);
    QCOMPARE(MulDiv(number, numerator, denominator), result);
  }

  void inputBoxLayoutOfTheWorkedExample() {
    const InputBoxLayout layout = inputBoxLayout({6, 13});
    QCOMPARE(layout.clientSize, QSize(270, 102));
    QCOMPARE(layout.promptPosition, QPoint(12, 13));
    QCOMPARE(layout.editPosition, QPoint(12, 31));
    QCOMPARE(layout.editWidth, 246);
    QCOMPARE(layout.okButton, QRect(57, 67, 75, 23));
    QCOMPARE(layout.cancelButton, QRect(138, 67, 75, 23));
  }

  void windowPlacement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("inputBox");
    QTest::addColumn<QPoint>("commonDialog");
    QTest::newRow("fits") << QRect(0, 0, 1024, 768) << QSize(624, 412) << QPoint(200, 178) << QPoint(200, 118);
    QTest::newRow("larger than the screen")
        << QRect(0, 0, 800, 600) << QSize(1001, 700) << QPoint(0, 0) << QPoint(-100, -33);
    QTest::newRow("screen not at the origin")
        << QRect(1920, 0, 1024, 768) << QSize(624, 412) << QPoint(200, 178) << QPoint(2120, 118);
  }
  void windowPlacement() {
    QFETCH(QRect, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, inputBox);
    QFETCH(QPoint, commonDialog);
    QCOMPARE(centredOnScreen(screen.size(), window), inputBox);
    QCOMPARE(commonDialogPosition(screen, window), commonDialog);
  }

  void visibleMessageTextKeepsWhatFitsOnTheScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<int>("maxCharacters");
    QTest::addColumn<QString>("visible");
    QTest::newRow("line breaks") << "one\r\ntwo\r\n\r\nfour" << 10 << 100 << "one\ntwo\n\nfour";
    QTest::newRow("lines cut") << "one\r\ntwo\r\nthree" << 2 << 100 << "one\ntwo";
    QTest::newRow("characters cut") << "one\r\ntwo" << 10 << 5 << "one\nt";
  }
  void visibleMessageTextKeepsWhatFitsOnTheScreen() {
    QFETCH(QString, text);
    QFETCH(int, maxLines);
    QFETCH(int, maxCharacters);
    QFETCH(QString, visible);
    QCOMPARE(visibleMessageText(text, maxLines, maxCharacters), visible);
  }

  void fileFiltersFollowTheTerminatorRule_data() {
    QTest::addColumn<QString>("filterText");
    QTest::addColumn<Filters>("filters");
    QTest::newRow("empty") << "" << Filters{};
    QTest::newRow("two pairs") << "Text files|*.txt|All files|*.*"
                               << Filters{{"Text files", "*.txt"}, {"All files", "*.*"}};
    QTest::newRow("name without pattern") << "Pictures|" << Filters{};
    QTest::newRow("bar inside a name shifts the pairs")
        << "Te|xt|*.txt|All|*.*" << Filters{{"Te", "xt"}, {"*.txt", "All"}};
    QTest::newRow("bar inside a pattern")
        << "Text|*.txt|*.log|Logs|*.log" << Filters{{"Text", "*.txt"}, {"*.log", "Logs"}};
    QTest::newRow("empty pattern ends the list") << "A|*.a||B|*.b" << Filters{{"A", "*.a"}};
  }
  void fileFiltersFollowTheTerminatorRule() {
    QFETCH(QString, filterText);
    QFETCH(Filters, filters);
    QCOMPARE(fileFilters(filterText), filters);
  }

  void x11FirstUnlessTheUserChoseAPlatform_data() {
    QTest::addColumn<QByteArray>("userChoice");
    QTest::addColumn<bool>("x11Answers");
    QTest::addColumn<bool>("waylandAnswers");
    QTest::addColumn<QByteArray>("platforms");
    QTest::newRow("X display") << QByteArray() << true << false << QByteArray("xcb;wayland");
    QTest::newRow("XWayland") << QByteArray() << true << true << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone") << QByteArray() << false << true << QByteArray("wayland");
    QTest::newRow("no display: cannot start") << QByteArray() << false << false << QByteArray();
    QTest::newRow("user's Wayland") << QByteArray("wayland") << true << false << QByteArray("wayland");
    QTest::newRow("user's offscreen") << QByteArray("offscreen") << false << false << QByteArray("offscreen");
  }
  void x11FirstUnlessTheUserChoseAPlatform() {
    QFETCH(QByteArray, userChoice);
    QFETCH(bool, x11Answers);
    QFETCH(bool, waylandAnswers);
    QFETCH(QByteArray, platforms);
    QCOMPARE(qtPlatformChoice(userChoice, x11Answers, waylandAnswers), platforms);
  }

  void fileNamesMatchTheirFilterPatterns_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("extension") << "notes.txt"
                               << "*.txt" << true;
    QTest::newRow("case ignored") << "NOTES.TXT"
                                  << "*.txt" << true;
    QTest::newRow("other extension") << "notes.txt.bak"
                                     << "*.txt" << false;
    QTest::newRow("second pattern") << "app.log"
                                    << "*.txt;*.log" << true;
    QTest::newRow("blank belongs to the pattern") << "app.log"
                                                  << "*.txt; *.log" << false;
    QTest::newRow("blank inside") << "my file 2.txt"
                                  << "my file*.txt" << true;
    QTest::newRow("star dot star without a dot") << "README"
                                                 << "*.*" << true;
    QTest::newRow("question mark") << "a1.c"
                                   << "a?.c" << true;
    QTest::newRow("question mark needs one") << "a.c"
                                             << "a?.c" << false;
    QTest::newRow("non-ASCII letter") << "Ä.BÄK"
                                      << "*.bäk" << true;
    QTest::newRow("brackets are letters") << "a.(a)"
                                          << "*.(a)" << true;
    QTest::newRow("no set in brackets") << "a.b"
                                        << "*.[ab]" << false;
    QTest::newRow("backslash and quote") << "a\\\"b"
                                         << "a\\\"*" << true;
    QTest::newRow("only separators") << "a"
                                     << ";;" << false;
    QTest::newRow("stars backtrack") << "aaaaaaaaab"
                                     << "*a*a*a*b" << true;
  }
  void fileNamesMatchTheirFilterPatterns() {
    QFETCH(QString, fileName);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(matchesFilterPatterns(fileName, filterPatterns(pattern)), matches);
  }

  void fileDialogRequests_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("save");
    QTest::addColumn<uint>("flags");
    QTest::newRow("Open") << DialogKind::Open << false << 0x80024u;
    QTest::newRow("Save") << DialogKind::Save << true << 0x80024u;
    QTest::newRow("OpenPicture") << DialogKind::OpenPicture << false << 0x80064u;
    QTest::newRow("SavePicture") << DialogKind::SavePicture << true << 0x80064u;
  }
  void fileDialogRequests() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, save);
    QFETCH(uint, flags);
    CommonDialogSettings settings;
    settings.activeDialog = kind;
    FileDialogSettings& file = *fileDialogSettings(settings, kind);
    FileDialogRequest request = fileDialogRequest(settings);
    QCOMPARE(request.mode, save ? FileDialogMode::Save : FileDialogMode::Open);
    QCOMPARE(request.flags, flags);
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(!request.defaultExtension);
    file.defaultExtension = "txt";
    QCOMPARE(fileDialogRequest(settings).defaultExtension.value_or(QString()), QStringLiteral("txt"));
  }

  void fontDialogRequests_data() {
    QTest::addColumn<int>("device");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<bool>("printerFonts");
    QTest::newRow("AllFonts") << int(FontDevice::AllFonts) << 0x14Bu << true;
    QTest::newRow("ScreenFontsOnly") << int(FontDevice::ScreenFontsOnly) << 0x149u << false;
    QTest::newRow("PrinterFontsOnly") << int(FontDevice::PrinterFontsOnly) << 0x14Au << true;
  }
  void fontDialogRequests() {
    QFETCH(int, device);
    QFETCH(uint, flags);
    QFETCH(bool, printerFonts);
    const FontDialogRequest request = fontDialogRequest(static_cast<FontDevice>(device));
    QCOMPARE(request.flags, flags);
    QCOMPARE(listsPrinterFonts(request), printerFonts);
    QCOMPARE(request.faceName, QStringLiteral("MS Sans Serif"));
    QCOMPARE(request.pointSize, 8);
    QCOMPARE(request.color, 0x80000008u);
  }

  void colorDialogRequests_data() {
    QTest::addColumn<bool>("allowCustom");
    QTest::addColumn<bool>("showCustom");
    QTest::addColumn<bool>("nonSolid");
    QTest::addColumn<bool>("nearestSolid");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<bool>("definitionShown");
    QTest::addColumn<bool>("defineButtonEnabled");
    QTest::newRow("defaults") << false << false << false << false << 0x15u << false << false;
    QTest::newRow("custom colours allowed") << true << false << false << false << 0x11u << false << true;
    QTest::newRow("all four") << true << true << true << true << 0x193u << true << false;
    QTest::newRow("uncoupled: full open prevented") << false << true << false << true << 0x97u << true << false;
  }
  void colorDialogRequests() {
    QFETCH(bool, allowCustom);
    QFETCH(bool, showCustom);
    QFETCH(bool, nonSolid);
    QFETCH(bool, nearestSolid);
    QFETCH(uint, flags);
    QFETCH(bool, definitionShown);
    QFETCH(bool, defineButtonEnabled);
    CommonDialogSettings settings;
    settings.allowCustomColors = allowCustom;
    settings.showCustomColors = showCustom;
    settings.allowNonSolidColors = nonSolid;
    settings.useNearestSolidColor = nearestSolid;
    const ColorDialogRequest request = colorDialogRequest(settings);
    QCOMPARE(request.flags, flags);
    QCOMPARE(request.color, 0u);
    for (std::uint32_t custom : request.customColors) QCOMPARE(custom, 0xFFFFFFFFu);
    QCOMPARE(colorDialogParts(request.flags).definitionShown, definitionShown);
    QCOMPARE(colorDialogParts(request.flags).defineButtonEnabled, defineButtonEnabled);
  }

  void colorValuesBecomeColors() {
    QCOMPARE(colorFromColorRef(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(colorFromColorRef(0x804020), QColor(0x20, 0x40, 0x80));
    QCOMPARE(colorFromColorRef(0xFFFFFFFF), QColor(Qt::white));
    QCOMPARE(colorFromColorRef(windowTextColor), QGuiApplication::palette().color(QPalette::WindowText));
  }

  void printDialogRequests() {
    QCOMPARE(printDialogRequest(false).flags, 0x10308Cu);
    QCOMPARE(printDialogRequest(true).flags, 0x308Cu);
  }
};

QTEST_MAIN(TestPreviewRequests)
#include "test_preview_requests.moc"

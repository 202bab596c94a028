// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/build_filter_string.h"
#include "ui/filter_grid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Cell = QPair<int, int>;

// A page holding the grid between two edits, wired as the window wires it: every change of
// the current cell opens the editor.
struct Page {
  QWidget window;
  QLineEdit* before = new QLineEdit(&window);
  FilterGrid* grid = new FilterGrid(&window);
  QLineEdit* after = new QLineEdit(&window);
  bool active = false;

  Page() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(grid);
    layout->addWidget(after);
    grid->setFixedSize(193, 97);
    QObject::connect(grid, &QTableWidget::currentCellChanged, grid, &FilterGrid::openEditor);
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
    grid->setFocus();
  }

  QLineEdit* editor() const { return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex())); }
  Cell current() const { return {grid->currentRow(), grid->currentColumn()}; }
  QWidget* focus() const { return QApplication::focusWidget(); }
  bool focusInGrid() const { return focus() == grid || grid->isAncestorOf(focus()); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
    QTest::keyClick(focus(), key, modifiers);
  }
  void type(const QString& text) const { QTest::keyClicks(focus(), text); }
  void write(int row, int column, const QString& text) const { grid->setItem(row, column, new QTableWidgetItem(text)); }
};

// Types non-ASCII text as key events carrying that text, as an input method delivers it.
void typeText(QWidget* target, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
}

}  // namespace

// Every test function meets a fresh page with the focus on the grid.
class TestFilterGrid : public QObject {
  Q_OBJECT

  std::unique_ptr<Page> page;

 private slots:
  void init() {
    page = std::make_unique<Page>();
    QVERIFY(page->active);
  }

  void cleanup() {
    page.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }

  void startsEmptyOnTheFirstCellWithItsCellSizes() {
    QCOMPARE(page->current(), Cell(0, 0));
    QCOMPARE(page->grid->rowCount(), 19);
    QCOMPARE(page->grid->columnCount(), 2);
    for (const FilterRow& row : page->grid->rows()) QVERIFY(row.name.empty() && row.pattern.empty());
    QVERIFY(!page->grid->verticalHeader()->isVisible());
    QCOMPARE(page->grid->logicalDpiY(), 96);
    QCOMPARE(page->grid->rowHeight(18), 15);
    QCOMPARE(page->grid->horizontalHeader()->height(), 15);
    QCOMPARE(page->grid->columnWidth(1), 85);
    QVERIFY(!page->grid->horizontalScrollBar()->isVisible());
    QVERIFY(page->grid->verticalScrollBar()->isVisible());
    QVERIFY(page->grid->viewport()->width() >= 2 * 85);
  }

  void keysMoveTheCurrentCellAndTheEditorFollows_data() {
    QTest::addColumn<Cell>("start");
    QTest::addColumn<bool>("editorOpen");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Cell>("end");
    const int tab = Qt::Key_Tab, backtab = Qt::Key_Backtab, shift = Qt::ShiftModifier, none = Qt::NoModifier;
    for (const bool open : {false, true}) {
      const char* state = open ? "in the editor" : "on the grid";
      QTest::addRow("Tab moves right, %s", state) << Cell(0, 0) << open << tab << none << Cell(0, 1);
      QTest::addRow("Tab wraps to the next row, %s", state) << Cell(3, 1) << open << tab << none << Cell(4, 0);
      QTest::addRow("Tab wraps from the last cell to the first, %s", state)
          << Cell(18, 1) << open << tab << none << Cell(0, 0);
      QTest::addRow("Shift+Tab moves left, %s", state) << Cell(5, 1) << open << backtab << shift << Cell(5, 0);
      QTest::addRow("Shift+Tab wraps to the previous row, %s", state)
          << Cell(5, 0) << open << backtab << shift << Cell(4, 1);
      QTest::addRow("Shift+Tab wraps from the first cell to the last, %s", state)
          << Cell(0, 0) << open << backtab << shift << Cell(18, 1);
      QTest::addRow("Down, %s", state) << Cell(0, 1) << open << int(Qt::Key_Down) << none << Cell(1, 1);
      QTest::addRow("Up, %s", state) << Cell(7, 0) << open << int(Qt::Key_Up) << none << Cell(6, 0);
    }
    QTest::newRow("Right on the grid") << Cell(2, 0) << false << int(Qt::Key_Right) << none << Cell(2, 1);
    QTest::newRow("Left on the grid") << Cell(2, 1) << false << int(Qt::Key_Left) << none << Cell(2, 0);
    QTest::newRow("Home on the grid") << Cell(2, 1) << false << int(Qt::Key_Home) << none << Cell(2, 0);
    QTest::newRow("End on the grid") << Cell(2, 0) << false << int(Qt::Key_End) << none << Cell(2, 1);
  }

  void keysMoveTheCurrentCellAndTheEditorFollows() {
    QFETCH(Cell, start);
    QFETCH(bool, editorOpen);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Cell, end);
    page->grid->setCurrentCell(start.first, start.second);
    if (start == Cell(0, 0)) page->grid->openEditor();
    if (!editorOpen) page->press(Qt::Key_Return);
    QCOMPARE(page->editor() != nullptr, editorOpen);

    page->press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(page->current(), end);
    QVERIFY(page->editor());
    QCOMPARE(page->focus(), page->editor());
  }

  void everyOpeningPutsTheCaretAtTheEndWithNothingSelected_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"Tab into the cell", "Enter", "F2", "double click", "openEditor"})
      QTest::newRow(how) << how;
  }

  void everyOpeningPutsTheCaretAtTheEndWithNothingSelected() {
    QFETCH(QString, how);
    page->write(0, 1, u"*.txt;*.text"_s);
    if (how == u"Tab into the cell"_s) {
      page->press(Qt::Key_Tab);
    } else if (how == u"Enter"_s || how == u"F2"_s) {
      page->grid->setCurrentCell(0, 1);
      page->press(Qt::Key_Return);
      QVERIFY(!page->editor());
      page->press(how == u"F2"_s ? Qt::Key_F2 : Qt::Key_Return);
    } else if (how == u"double click"_s) {
      const QPoint centre = page->grid->visualRect(page->grid->model()->index(0, 1)).center();
      QTest::mouseDClick(page->grid->viewport(), Qt::LeftButton, {}, centre);
    } else {
      page->grid->setCurrentCell(0, 1);
      page->press(Qt::Key_Return);
      page->grid->openEditor();
    }
    QLineEdit* editor = page->editor();
    QVERIFY(editor);
    QCOMPARE(page->current(), Cell(0, 1));
    QCOMPARE(editor->text(), u"*.txt;*.text"_s);
    QCOMPARE(editor->cursorPosition(), 12);
    QVERIFY(!editor->hasSelectedText());
    QCOMPARE(page->focus(), editor);
  }

  void aKeyOnAClosedCellOpensTheEditorAndGoesIntoTheCell_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    const auto row = [](const char* name, Qt::Key key, const QString& text, const QString& cell) {
      QTest::newRow(name) << int(key) << text << cell;
    };
    row("letter", Qt::Key_X, u"x"_s, u"abx"_s);
    row("blank", Qt::Key_Space, u" "_s, u"ab "_s);
    row("star", Qt::Key_Asterisk, u"*"_s, u"ab*"_s);
    row("umlaut", Qt::Key_Udiaeresis, QString::fromUtf8("ü"), QString::fromUtf8("abü"));
    row("Backspace", Qt::Key_Backspace, u""_s, u"a"_s);
  }

  void aKeyOnAClosedCellOpensTheEditorAndGoesIntoTheCell() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, cell);
    page->write(0, 0, u"ab"_s);
    QVERIFY(!page->editor());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(page->grid, &press);
    QVERIFY(page->editor());
    QCOMPARE(page->current(), Cell(0, 0));
    QCOMPARE(QString::fromStdString(page->grid->rows()[0].name), cell);
  }

  void typedRowsFeedTheFilterString_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("filter");
    const auto row = [](const char* name, const char* keys, const char* filter) {
      QTest::newRow(name) << QString::fromUtf8(keys) << QString::fromUtf8(filter);
    };
    row("one row", "Text files\t*.txt", "Text files|*.txt");
    row("two rows", "Text\t*.txt\tAll\t*", "Text|*.txt|All|*");
    row("a name without pattern", "All", "All|");
    row("rows after an empty first row are ignored", "\t\tText\t*.txt\tAll\t*", "");
    row("an empty name ends the list", "Text\t*.txt\t\t*.bak\tAll\t*", "Text|*.txt");
  }

  // The editor is still open on the last cell typed into when the rows are read.
  void typedRowsFeedTheFilterString() {
    QFETCH(QString, keys);
    QFETCH(QString, filter);
    page->grid->openEditor();
    const QStringList cells = keys.split(u'\t');
    for (qsizetype i = 0; i < cells.size(); ++i) {
      if (i > 0) page->press(Qt::Key_Tab);
      page->type(cells[i]);
    }
    QVERIFY(page->editor());
    QCOMPARE(QString::fromStdString(BuildFilterString(page->grid->rows())), filter);
  }

  // The focus elsewhere, a click on the current cell, then typing at once or a moment later:
  // the editor is open before the first key.
  void aClickOnTheCurrentCellOpensItsEditorAtOnce_data() {
    QTest::addColumn<int>("delay");
    for (int delay : {0, 50, 200}) QTest::addRow("typed after %d ms", delay) << delay;
  }

  void aClickOnTheCurrentCellOpensItsEditorAtOnce() {
    QFETCH(int, delay);
    page->before->setFocus();
    QTRY_VERIFY(!page->editor());
    const QPoint cell = page->grid->visualRect(page->grid->currentIndex()).center();
    QTest::mouseClick(page->grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::qWait(delay);
    page->type(u"Text files"_s);
    QCOMPARE(page->grid->rows()[0].name, std::string("Text files"));
  }

  void typingInTheMiddleOfACellKeepsTheCaret() {
    page->grid->openEditor();
    page->type(u"ac"_s);
    page->press(Qt::Key_Left);
    page->type(u"b"_s);
    QCOMPARE(page->editor()->cursorPosition(), 2);
    page->type(u"x"_s);
    QCOMPARE(page->grid->rows()[0].name, std::string("abxc"));
  }

  void enterAndEscapeCloseTheEditorKeepingItsText_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
  }

  void enterAndEscapeCloseTheEditorKeepingItsText() {
    QFETCH(int, key);
    page->press(Qt::Key_Tab);
    page->type(u"*.txt"_s);
    page->press(Qt::Key(key));
    QVERIFY(!page->editor());
    QCOMPARE(page->focus(), page->grid);
    QCOMPARE(page->current(), Cell(0, 1));
    QCOMPARE(page->grid->item(0, 1)->text(), u"*.txt"_s);
  }

  void theHeaderIgnoresClicks() {
    page->press(Qt::Key_Tab);
    page->press(Qt::Key_Return);
    QHeaderView* header = page->grid->horizontalHeader();
    for (int column : {0, 1}) {
      const QPoint centre(header->sectionViewportPosition(column) + 20, header->height() / 2);
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
      QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(page->current(), Cell(0, 1));
    QCOMPARE(page->grid->selectionModel()->selectedIndexes(), QModelIndexList{page->grid->currentIndex()});
    QVERIFY(!page->editor());
    QCOMPARE(header->sectionSize(0), 85);
    QCOMPARE(page->grid->horizontalHeaderItem(0)->text(), u"Filter Name"_s);
  }

  void setRowsReplacesEveryCellAndClosesTheEditor() {
    page->write(0, 0, u"Text"_s);
    page->write(18, 1, u"*.bak"_s);
    page->grid->setCurrentCell(9, 1);
    page->type(u"typed"_s);
    QSignalSpy changes(page->grid, &QTableWidget::currentCellChanged);

    FilterRows rows;
    rows[9] = {"Backup", "*.bak"};
    page->grid->setRows(rows);
    QCoreApplication::processEvents();
    QVERIFY(!page->editor());
    QCOMPARE(page->current(), Cell(0, 0));
    QCOMPARE(page->grid->verticalScrollBar()->value(), 0);
    QCOMPARE(changes.size(), 0);
    for (int row = 0; row < filterRowCount; ++row)
      QCOMPARE(QString::fromStdString(page->grid->rows()[row].name + page->grid->rows()[row].pattern),
               row == 9 ? u"Backup*.bak"_s : QString());
    QCOMPARE(page->grid->horizontalHeaderItem(1)->text(), u"Filter"_s);
  }

  // Typed cell after cell with Tab, the last Tab wrapping back to the first cell.
  void allNineteenRowsHoldUtf8Text() {
    page->grid->openEditor();
    for (int row = 0; row < 19; ++row) {
      typeText(page->focus(), QString::fromUtf8("Bilder ü€ %1").arg(row));
      page->press(Qt::Key_Tab);
      QVERIFY(page->grid->viewport()->rect().contains(page->grid->visualRect(page->grid->currentIndex())));
      typeText(page->focus(), QString::fromUtf8("*.bild%1;*.ß").arg(row));
      page->press(Qt::Key_Tab);
      QVERIFY(page->focusInGrid());
    }
    QCOMPARE(page->current(), Cell(0, 0));
    const FilterRows rows = page->grid->rows();
    for (int row = 0; row < 19; ++row) {
      const std::string n = std::to_string(row);
      QCOMPARE(rows[row].name, "Bilder \xc3\xbc\xe2\x82\xac " + n);
      QCOMPARE(rows[row].pattern, "*.bild" + n + ";*.\xc3\x9f");
    }
    const std::string filter = BuildFilterString(rows);
    QVERIFY(filter.starts_with("Bilder \xc3\xbc\xe2\x82\xac 0|*.bild0;*.\xc3\x9f|Bilder \xc3\xbc\xe2\x82\xac 1|"));
    QVERIFY(filter.ends_with("|Bilder \xc3\xbc\xe2\x82\xac 18|*.bild18;*.\xc3\x9f"));
  }
};

QTEST_MAIN(TestFilterGrid)
#include "test_filter_grid.moc"

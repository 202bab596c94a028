#pragma once

#include "composer_settings.h"

#include <QTableWidget>

// The two-column filter grid of a file dialog page: a fixed header row with the column
// titles ("Filter Name", "Filter") above the 19 data rows, one FilterRow each.
//
// Cells are edited in place. What is typed reaches the cell with every keystroke, so rows()
// always holds the text of an open editor too. The keyboard stays inside the grid: Tab and
// Shift+Tab move cell by cell and wrap around, Enter closes an open editor (keeping its
// text) and opens a closed one, F2 opens it, and a printable key or Backspace opens it and
// goes into the cell. Every opening leaves the caret at the end of the text with nothing
// selected, so a key never replaces what the cell already holds.
//
// Every change of the current cell, by mouse or keyboard, opens the editor on the new cell;
// openEditor() does the same on request (the window's click handler calls it on every
// currentCellChanged, which then finds the editor already open).
class FilterGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit FilterGrid(QWidget* parent = nullptr);

  void setHeaderTexts(const QString& nameTitle, const QString& patternTitle);

  // The data rows in order: column 1 is the name, column 2 the pattern, as UTF-8.
  FilterRows rows() const;

  // Empties every data cell and makes the first cell of the first data row current, with the
  // editor closed and without emitting currentCellChanged.
  void clearRows();

  // Starts editing the current cell, caret at the end and nothing selected; does nothing
  // while the editor is open.
  void openEditor();

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* openEditorWidget() const;
  void closeOpenEditor();
};

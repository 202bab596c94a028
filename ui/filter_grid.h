// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

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
// Every change of the current cell, by mouse or keyboard, opens the editor on the new cell
// through the view's CurrentChanged trigger; a click on the cell that is already current
// opens it at once too. openEditor() opens it on request: the window's
// click handler calls it on every currentCellChanged, where it mostly finds the editor open
// already, and opens it where the trigger holds back (while the view auto-scrolls during a
// mouse drag).
//
// The column width and the row height (also the header row's) are given in pixels at 96
// dots per inch and scaled to the screen's. The header row is written in the grid's font.
class FilterGrid : public QTableWidget {
  Q_OBJECT
  Q_PROPERTY(int columnWidthAt96Dpi READ columnWidthAt96Dpi WRITE setColumnWidthAt96Dpi)
  Q_PROPERTY(int rowHeightAt96Dpi READ rowHeightAt96Dpi WRITE setRowHeightAt96Dpi)

 public:
  explicit FilterGrid(QWidget* parent = nullptr);

  int columnWidthAt96Dpi() const { return columnWidth96Dpi_; }
  void setColumnWidthAt96Dpi(int pixels);
  int rowHeightAt96Dpi() const { return rowHeight96Dpi_; }
  void setRowHeightAt96Dpi(int pixels);

  // The data rows in order: column 1 is the name, column 2 the pattern, as UTF-8.
  FilterRows rows() const;

  // Replaces every data cell's text and makes the first cell of the first data row current,
  // with the editor closed and without emitting currentCellChanged.
  void setRows(const FilterRows& rows);

  // Starts editing the current cell, caret at the end and nothing selected; does nothing
  // while the editor is open.
  void openEditor();

 protected:
  void changeEvent(QEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* openEditorWidget() const;
  void closeOpenEditor();

  int columnWidth96Dpi_ = 85;
  int rowHeight96Dpi_ = 15;
};

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/filter_grid.h"

#include "ui/one_line_field.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

int scaled(const QWidget& widget, int pixelsAt96Dpi) { return qRound(pixelsAt96Dpi * widget.logicalDpiY() / 96.0); }

bool isPlainKey(const QKeyEvent& event) {
  return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool isEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

bool entersText(const QKeyEvent& event) {
  return event.key() == Qt::Key_Backspace || (!event.text().isEmpty() && event.text().front().isPrint());
}

// The cell editor: a one-line field that commits on every keystroke, and leaves an editor alone when the cell
// already holds its text (rewriting it would move the caret).
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
      keepOneLine(lineEdit);
      auto* self = const_cast<CellDelegate*>(this);
      connect(lineEdit, &QLineEdit::textEdited, self, [self, lineEdit] { emit self->commitData(lineEdit); });
    }
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    const auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (lineEdit && lineEdit->text() == index.data(Qt::EditRole).toString()) return;
    QStyledItemDelegate::setEditorData(editor, index);
  }
};

}  // namespace

FilterGrid::FilterGrid(QWidget* parent) : QTableWidget(filterRowCount, 2, parent) {
  setItemDelegate(new CellDelegate(this));
  setEditTriggers(CurrentChanged | DoubleClicked | SelectedClicked | EditKeyPressed);
  setSelectionMode(SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setCornerButtonEnabled(false);
  setWordWrap(false);

  QHeaderView* rowsHeader = verticalHeader();
  rowsHeader->hide();
  rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
  rowsHeader->setMinimumSectionSize(1);

  QHeaderView* titles = horizontalHeader();
  titles->setSectionResizeMode(QHeaderView::Fixed);
  titles->setMinimumSectionSize(1);
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  titles->setSectionsClickable(false);
  titles->setHighlightSections(false);
  setHorizontalHeaderLabels({QStringLiteral("Filter Name"), QStringLiteral("Filter")});
  setColumnWidthAt96Dpi(columnWidth96Dpi_);
  setRowHeightAt96Dpi(rowHeight96Dpi_);

  setCurrentCell(0, 0);
}

void FilterGrid::setColumnWidthAt96Dpi(int pixels) {
  columnWidth96Dpi_ = pixels;
  horizontalHeader()->setDefaultSectionSize(scaled(*this, pixels));
}

void FilterGrid::setRowHeightAt96Dpi(int pixels) {
  rowHeight96Dpi_ = pixels;
  verticalHeader()->setDefaultSectionSize(scaled(*this, pixels));
  horizontalHeader()->setFixedHeight(scaled(*this, pixels));
}

FilterRows FilterGrid::rows() const {
  const auto cellText = [this](int row, int column) {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text().toStdString() : std::string();
  };
  FilterRows result;
  for (int row = 0; row < filterRowCount; ++row) result[row] = {cellText(row, 0), cellText(row, 1)};
  return result;
}

void FilterGrid::setRows(const FilterRows& rows) {
  const QSignalBlocker blocker(this);
  clearContents();
  setCurrentCell(0, 0);
  closeOpenEditor();
  for (int row = 0; row < filterRowCount; ++row) {
    const auto& [name, pattern] = rows[row];
    if (!name.empty()) setItem(row, 0, new QTableWidgetItem(QString::fromStdString(name)));
    if (!pattern.empty()) setItem(row, 1, new QTableWidgetItem(QString::fromStdString(pattern)));
  }
  scrollToTop();
}

void FilterGrid::openEditor() { edit(currentIndex(), AllEditTriggers, nullptr); }

// A header made before the grid had its font keeps the platform's header font; the grid
// hands its own on.
void FilterGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) horizontalHeader()->setFont(font());
  QTableWidget::changeEvent(event);
}

// A click on the current cell opens its editor at once: the view would first wait a
// double-click interval for a second click, and the keys typed meanwhile would find no editor.
bool FilterGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger == SelectedClicked) trigger = AllEditTriggers;
  if (!QTableWidget::edit(index, trigger, event)) return false;
  if (auto* lineEdit = qobject_cast<QLineEdit*>(indexWidget(index))) {
    lineEdit->deselect();
    lineEdit->end(false);
  }
  return true;
}

void FilterGrid::keyPressEvent(QKeyEvent* event) {
  if (isPlainKey(*event) && isEnter(*event)) {
    if (openEditorWidget())
      closeOpenEditor();
    else
      openEditor();
    return;
  }
  if (isPlainKey(*event) && entersText(*event)) {
    openEditor();
    if (QWidget* editor = openEditorWidget()) QCoreApplication::sendEvent(editor, event);
    return;
  }
  QTableWidget::keyPressEvent(event);
}

QWidget* FilterGrid::openEditorWidget() const {
  return state() == EditingState ? indexWidget(currentIndex()) : nullptr;
}

void FilterGrid::closeOpenEditor() {
  if (QWidget* editor = openEditorWidget()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

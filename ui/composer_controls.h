#pragma once

#include <QRect>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

// Creation of the composer window's controls at their fixed places. Each function names the
// control (objectName) and places it in pixels within its parent; the window's font is
// inherited from the parent, so the parent's font must be set first.

// A label sized to its text, its top left corner at the given position.
QLabel* createLabel(QWidget* parent, const char* name, QPoint position, const QString& text);

// A label that stands before a field and whose access key moves the focus to that field.
QLabel* createFieldLabel(QWidget* parent, const char* name, QPoint position, const QString& text, QWidget* field);

// The same, right-aligned: sized to its text, its right edge stays at `right` whatever the
// width of the text in the font at hand.
QLabel* createRightAlignedFieldLabel(QWidget* parent, const char* name, int right, int top, const QString& text,
                                     QWidget* field);

// A word-wrapped label of a fixed size, its text starting at the top.
QLabel* createWrappedLabel(QWidget* parent, const char* name, QRect geometry, const QString& text);

// A single-line edit of the standard height that takes text of any length.
QLineEdit* createEdit(QWidget* parent, const char* name, QPoint position, int width);

// A check box at the given place, widened where its caption would not fit.
QCheckBox* createCheckBox(QWidget* parent, const char* name, QRect geometry, const QString& caption);

QPushButton* createPushButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);

// A button of a radio group that never takes the focus; id is its value in the group.
QToolButton* createSpeedButton(QWidget* parent, const char* name, QRect geometry, QButtonGroup* group, int id);

// A tab page appended to a page control.
QWidget* createPage(QTabWidget* pageControl, const char* name, const QString& caption);

// The standard height of edits and combo boxes.
inline constexpr int editHeight = 21;

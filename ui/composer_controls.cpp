#include "composer_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {

template <class Control>
Control* createNamed(QWidget* parent, const char* name) {
  auto* control = new Control(parent);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

}  // namespace

QLabel* createLabel(QWidget* parent, const char* name, QPoint position, const QString& text) {
  auto* label = createNamed<QLabel>(parent, name);
  label->setText(text);
  label->move(position);
  label->adjustSize();
  return label;
}

QLabel* createFieldLabel(QWidget* parent, const char* name, QPoint position, const QString& text, QWidget* field) {
  QLabel* label = createLabel(parent, name, position, text);
  label->setBuddy(field);
  return label;
}

QLabel* createRightAlignedFieldLabel(QWidget* parent, const char* name, int right, int top, const QString& text,
                                     QWidget* field) {
  QLabel* label = createFieldLabel(parent, name, QPoint(0, top), text, field);
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->move(right - label->width(), top);
  return label;
}

QLabel* createWrappedLabel(QWidget* parent, const char* name, QRect geometry, const QString& text) {
  auto* label = createNamed<QLabel>(parent, name);
  label->setText(text);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  return label;
}

QLineEdit* createEdit(QWidget* parent, const char* name, QPoint position, int width) {
  auto* edit = createNamed<QLineEdit>(parent, name);
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setGeometry(QRect(position, QSize(width, editHeight)));
  return edit;
}

QCheckBox* createCheckBox(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* box = createNamed<QCheckBox>(parent, name);
  box->setText(caption);
  // Never narrower than the caption, so no font or style cuts it off.
  box->setGeometry(geometry.x(), geometry.y(), std::max(geometry.width(), box->sizeHint().width()), geometry.height());
  return box;
}

QPushButton* createPushButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* button = createNamed<QPushButton>(parent, name);
  button->setText(caption);
  button->setAutoDefault(true);
  button->setGeometry(geometry);
  return button;
}

QToolButton* createSpeedButton(QWidget* parent, const char* name, QRect geometry, QButtonGroup* group, int id) {
  auto* button = createNamed<QToolButton>(parent, name);
  button->setCheckable(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(geometry);
  group->addButton(button, id);
  return button;
}

QWidget* createPage(QTabWidget* pageControl, const char* name, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  pageControl->addTab(page, caption);
  return page;
}

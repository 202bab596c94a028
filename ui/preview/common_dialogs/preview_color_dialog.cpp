// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/preview/common_dialogs/preview_color_dialog.h"

#include "ui/preview/common_dialogs/common_dialog_exec.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace {

bool hasClassName(const QObject* object, const char* name) {
  return QByteArray(object->metaObject()->className()).endsWith(name);
}

QLayout* layoutHolding(QLayout* layout, QWidget* widget) {
  if (layout->indexOf(widget) >= 0) return layout;
  for (int i = 0; i < layout->count(); ++i)
    if (QLayout* inner = layout->itemAt(i)->layout())
      if (QLayout* found = layoutHolding(inner, widget)) return found;
  return nullptr;
}

// The widget `distance` places after `widget` in `layout`, when it is of type T.
template <typename T>
T* widgetAfter(QLayout* layout, QWidget* widget, int distance) {
  const int index = layout->indexOf(widget);
  QLayoutItem* item = index >= 0 ? layout->itemAt(index + distance) : nullptr;
  return item ? qobject_cast<T*>(item->widget()) : nullptr;
}

// The widgets with which Qt's colour dialog defines colours. Qt internals
// touched: the dialog's direct children of the classes QWellArray (the basic
// colours, then the custom colours), QColorPicker, QColorLuminancePicker and
// QColorShower, and the box layout that holds the custom colours: in it the
// basic colours are followed by the screen-picking button and its information
// line (only where the platform can pick screen colours) and the custom
// colours by "Add to Custom Colors". A part that is not found is left as Qt
// made it; without the layout or the "Add" button the dialog is shown as Qt
// makes it.
struct DefinitionPart {
  QBoxLayout* leftColumn = nullptr;
  QPushButton* addButton = nullptr;
  std::vector<QWidget*> widgets;
};

DefinitionPart findDefinitionPart(QColorDialog& dialog) {
  std::vector<QWidget*> wells;
  DefinitionPart part;
  for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (hasClassName(child, "QWellArray")) wells.push_back(child);
    if (hasClassName(child, "QColorPicker") || hasClassName(child, "QColorLuminancePicker") ||
        hasClassName(child, "QColorShower"))
      part.widgets.push_back(child);
  }
  if (wells.size() != 2 || !dialog.layout()) return {};
  QWidget* basic = wells[0];
  QWidget* custom = wells[1];
  part.leftColumn = qobject_cast<QBoxLayout*>(layoutHolding(dialog.layout(), custom));
  if (!part.leftColumn) return {};
  part.addButton = widgetAfter<QPushButton>(part.leftColumn, custom, 1);
  if (!part.addButton) return {};
  part.widgets.push_back(part.addButton);
  if (auto* pickButton = widgetAfter<QPushButton>(part.leftColumn, basic, 1)) {
    part.widgets.push_back(pickButton);
    if (auto* pickInformation = widgetAfter<QLabel>(part.leftColumn, basic, 2)) part.widgets.push_back(pickInformation);
  }
  return part;
}

// Sets up a non-native Qt colour dialog as the request describes, starting as
// the platform's does: black selected and every custom colour unset (white).
// The custom colours are process-wide in Qt, so nothing defined in one preview
// shows in the next.
void configureColorDialog(QColorDialog& dialog, const ColorDialogRequest& request) {
  dialog.setOptions(QColorDialog::DontUseNativeDialog);
  for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
  dialog.setCurrentColor(Qt::black);

  const DefinitionPart definition = findDefinitionPart(dialog);
  if (!definition.addButton) return;
  auto* defineButton = new QPushButton(QStringLiteral("&Define Custom Colors >>"), &dialog);
  defineButton->setObjectName(QStringLiteral("defineCustomColorsButton"));
  defineButton->setAutoDefault(false);
  definition.leftColumn->insertWidget(definition.leftColumn->indexOf(definition.addButton), defineButton);

  for (QWidget* widget : definition.widgets) widget->setVisible(request.definitionShown);
  defineButton->setEnabled(request.definitionOffered);
  QObject::connect(defineButton, &QPushButton::clicked, &dialog, [widgets = definition.widgets, defineButton] {
    for (QWidget* widget : widgets) widget->show();
    defineButton->setEnabled(false);
  });
}

}  // namespace

void showColorDialog(const ColorDialogRequest& request) {
  QColorDialog dialog;
  configureColorDialog(dialog, request);
  execCommonDialog(dialog);
}

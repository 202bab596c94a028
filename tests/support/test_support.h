// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "code_block.h"
#include "composer_settings.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// Default settings in the common-dialog creator with `kind` in front.
inline ComposerSettings commonDialogSettings(DialogKind kind) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::CommonDialog;
  settings.commonDialog.activeDialog = kind;
  return settings;
}

// The lines of `block` as its text has them, each without its CR LF.
inline QStringList toList(const CodeBlock& block) {
  QStringList lines = QString::fromStdString(block.text()).split(QStringLiteral("\r\n"));
  lines.removeLast();  // after the last line's CR LF
  return lines;
}

// The names of each creator's fields, in the order fieldsAwayFromTheirDefaults lists them.
inline QStringList messageBoxFields() {
  return {"caption", "text", "lines", "icon", "buttons", "systemModal", "variable"};
}
inline QStringList inputBoxFields() { return {"input caption", "prompt", "defaultText", "input variable"}; }
inline QStringList commonDialogFields() {
  QStringList fields = {"activeDialog"};
  for (const char* kind : {"Open", "Save", "OpenPicture", "SavePicture"})
    fields << QString(kind) + " title" << QString(kind) + " defaultExtension" << QString(kind) + " filters";
  return fields + QStringList{"fontDevice",          "allowCustomColors",    "showCustomColors",
                              "allowNonSolidColors", "useNearestSolidColor", "allowPrintToFile"};
}

// The fields of the three creators' settings that differ from what a fresh window holds.
inline QStringList fieldsAwayFromTheirDefaults(const ComposerSettings& settings) {
  const MessageBoxSettings& m = settings.messageBox;
  const InputBoxSettings& i = settings.inputBox;
  const CommonDialogSettings& c = settings.commonDialog;
  QStringList changed;
  const auto field = [&changed](const QString& name, bool atDefault) {
    if (!atDefault) changed << name;
  };
  field("caption", m.caption.empty());
  field("text", m.text.empty());
  field("lines", m.lines.empty());
  field("icon", m.icon == IconChoice::Information);
  field("buttons", m.buttons == ButtonChoice::OK_OK);
  field("systemModal", !m.systemModal);
  field("variable", m.variable == "Result");
  field("input caption", i.caption.empty());
  field("prompt", i.prompt.empty());
  field("defaultText", i.defaultText.empty());
  field("input variable", i.variable == "Result");
  field("activeDialog", c.activeDialog == DialogKind::Open);
  const std::pair<DialogKind, QString> fileTabs[] = {{DialogKind::Open, "Open"},
                                                     {DialogKind::Save, "Save"},
                                                     {DialogKind::OpenPicture, "OpenPicture"},
                                                     {DialogKind::SavePicture, "SavePicture"}};
  for (const auto& [kind, name] : fileTabs) {
    const FileDialogSettings& file = *fileDialogSettings(c, kind);
    field(name + " title", file.title.empty());
    field(name + " defaultExtension", file.defaultExtension.empty());
    field(name + " filters", std::ranges::all_of(file.filters, [](const FilterRow& row) {
            return row.name.empty() && row.pattern.empty();
          }));
  }
  field("fontDevice", c.fontDevice == FontDevice::AllFonts);
  field("allowCustomColors", !c.allowCustomColors);
  field("showCustomColors", !c.showCustomColors);
  field("allowNonSolidColors", !c.allowNonSolidColors);
  field("useNearestSolidColor", !c.useNearestSolidColor);
  field("allowPrintToFile", !c.allowPrintToFile);
  return changed;
}

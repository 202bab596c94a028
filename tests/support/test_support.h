// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/code_block.h"
#include "composer/composer_settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <sstream>
#include <tuple>
#include <type_traits>
#include <utility>

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

// The fields of each settings record, in order. The structured bindings name every field,
// so a record that gains one stops compiling here until it is listed: the comparison and
// the printer below then cover it too.
inline auto fields(const FilterRow& s) {
  const auto& [name, pattern] = s;
  return std::tie(name, pattern);
}
inline auto fields(const FileDialogSettings& s) {
  const auto& [title, defaultExtension, filters] = s;
  return std::tie(title, defaultExtension, filters);
}
inline auto fields(const MessageBoxSettings& s) {
  const auto& [caption, text, lines, icon, buttons, systemModal, variable] = s;
  return std::tie(caption, text, lines, icon, buttons, systemModal, variable);
}
inline auto fields(const InputBoxSettings& s) {
  const auto& [caption, prompt, defaultText, variable] = s;
  return std::tie(caption, prompt, defaultText, variable);
}
inline auto fields(const CommonDialogSettings& s) {
  const auto& [activeDialog, files, fontDevice, allowCustomColors, showCustomColors, allowNonSolidColors,
               useNearestSolidColor, allowPrintToFile] = s;
  return std::tie(activeDialog, files, fontDevice, allowCustomColors, showCustomColors, allowNonSolidColors,
                  useNearestSolidColor, allowPrintToFile);
}
inline auto fields(const ComposerSettings& s) {
  const auto& [activeCreator, messageBox, inputBox, commonDialog] = s;
  return std::tie(activeCreator, messageBox, inputBox, commonDialog);
}

template <typename T>
concept SettingsRecord = requires(const T& record) {
  fields(record);
};

// Whether `changed` differs from `original` in every field of the record and of the
// records it holds, each file dialog's included; a filter list counts as one field.
template <typename T>
bool differsInEveryField(const T& changed, const T& original) {
  if constexpr (SettingsRecord<T> && !std::is_same_v<T, FilterRow>) {
    const auto a = fields(changed), b = fields(original);
    return [&]<std::size_t... i>(std::index_sequence<i...>) {
      return (differsInEveryField(std::get<i>(a), std::get<i>(b)) && ...);
    }
    (std::make_index_sequence<std::tuple_size_v<decltype(a)>>());
  } else if constexpr (std::is_same_v<T, decltype(CommonDialogSettings::files)>) {
    return std::ranges::equal(changed, original,
                              [](const auto& x, const auto& y) { return differsInEveryField(x, y); });
  } else {
    return changed != original;
  }
}

// Writes a value of the settings as {field, field, ...}: texts quoted, enumerations and
// truth values as numbers, lists in brackets, a filter list by its rows that hold text.
template <typename T>
void print(std::ostream& out, const T& value) {
  if constexpr (SettingsRecord<T>) {
    const char* separator = "{";
    std::apply([&](const auto&... field) { ((out << separator, print(out, field), separator = ", "), ...); },
               fields(value));
    out << '}';
  } else if constexpr (std::is_same_v<T, std::string>) {
    out << '"' << value << '"';
  } else if constexpr (std::is_enum_v<T> || std::is_same_v<T, bool>) {
    out << static_cast<int>(value);
  } else if constexpr (std::is_same_v<T, FilterRows>) {
    out << "rows[";
    for (int row = 0; row < filterRowCount; ++row)
      if (value[row] != FilterRow{}) out << row << ": ", print(out, value[row]), out << ' ';
    out << ']';
  } else {
    out << '[';
    for (const auto& item : value) print(out, item), out << ' ';
    out << ']';
  }
}

template <SettingsRecord T>
char* printed(const T& record) {
  std::ostringstream out;
  print(out, record);
  return qstrdup(out.str().c_str());
}

// What QCOMPARE shows when two records differ.
inline char* toString(const FileDialogSettings& s) { return printed(s); }
inline char* toString(const MessageBoxSettings& s) { return printed(s); }
inline char* toString(const InputBoxSettings& s) { return printed(s); }
inline char* toString(const CommonDialogSettings& s) { return printed(s); }
inline char* toString(const ComposerSettings& s) { return printed(s); }

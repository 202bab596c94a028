// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

// Everything the user composes in the composer window, held in one value. The
// window's controls write it, the code generators and the preview read it.

enum class CreatorKind { MessageBox, InputBox, CommonDialog };

enum class IconChoice { Information, Question, Error, Warning, NoIcon };

// One value per button of the button-set grid: the button set and, after the
// underscore, the set's default button.
enum class ButtonChoice {
  OK_OK,
  OK_OKCancel,
  Cancel_OKCancel,
  Yes_YesNo,
  No_YesNo,
  Yes_YesNoCancel,
  No_YesNoCancel,
  Cancel_YesNoCancel,
  Abort_AbortRetryIgnore,
  Retry_AbortRetryIgnore,
  Ignore_AbortRetryIgnore,
  Retry_RetryCancel,
  Cancel_RetryCancel,
};

enum class DialogKind { Open, Save, OpenPicture, SavePicture, Font, Color, Print };

// The common dialogs that open or save a file, in tab order: the first dialog kinds.
// CommonDialogSettings holds one FileDialogSettings for each, in this order.
inline constexpr std::array fileDialogKinds = {DialogKind::Open, DialogKind::Save, DialogKind::OpenPicture,
                                               DialogKind::SavePicture};

enum class FontDevice { AllFonts, ScreenFontsOnly, PrinterFontsOnly };

struct MessageBoxSettings {
  std::string caption;
  std::string text;                // whole text, hard line breaks as CR LF
  std::vector<std::string> lines;  // the text box's display lines
  IconChoice icon = IconChoice::Information;
  ButtonChoice buttons = ButtonChoice::OK_OK;
  bool systemModal = false;
  std::string variable = "Result";

  friend bool operator==(const MessageBoxSettings&, const MessageBoxSettings&) = default;
};

struct InputBoxSettings {
  std::string caption;
  std::string prompt;
  std::string defaultText;
  std::string variable = "Result";

  friend bool operator==(const InputBoxSettings&, const InputBoxSettings&) = default;
};

struct FilterRow {
  std::string name;
  std::string pattern;

  friend bool operator==(const FilterRow&, const FilterRow&) = default;
};

// The data rows of a filter grid: its 20 rows less the fixed header row.
constexpr int filterRowCount = 19;
using FilterRows = std::array<FilterRow, filterRowCount>;

struct FileDialogSettings {
  std::string title;
  std::string defaultExtension;
  FilterRows filters;

  friend bool operator==(const FileDialogSettings&, const FileDialogSettings&) = default;
};

struct CommonDialogSettings {
  DialogKind activeDialog = DialogKind::Open;
  std::array<FileDialogSettings, fileDialogKinds.size()> files;  // read through fileDialogSettings
  FontDevice fontDevice = FontDevice::AllFonts;
  bool allowCustomColors = false;
  bool showCustomColors = false;
  bool allowNonSolidColors = false;
  bool useNearestSolidColor = false;
  bool allowPrintToFile = false;

  friend bool operator==(const CommonDialogSettings&, const CommonDialogSettings&) = default;
};

struct ComposerSettings {
  CreatorKind activeCreator = CreatorKind::MessageBox;
  MessageBoxSettings messageBox;
  InputBoxSettings inputBox;
  CommonDialogSettings commonDialog;

  friend bool operator==(const ComposerSettings&, const ComposerSettings&) = default;
};

// The state of a freshly created composer window.
ComposerSettings defaults();

// Set one creator's record back to its defaults (used by New and by every
// switch of creator).
void resetMessageBox(ComposerSettings& settings);
void resetInputBox(ComposerSettings& settings);
void resetCommonDialog(ComposerSettings& settings);

// Whether the kind is one of fileDialogKinds.
bool isFileDialog(DialogKind kind);

// The settings of one of fileDialogKinds; throws std::out_of_range for the other kinds.
const FileDialogSettings& fileDialogSettings(const CommonDialogSettings& settings, DialogKind fileKind);
FileDialogSettings& fileDialogSettings(CommonDialogSettings& settings, DialogKind fileKind);

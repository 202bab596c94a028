// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/button_choice.h"

#include "composer/message_box_style.h"

namespace {

struct ButtonChoiceRow {
  std::string_view setLabel;
  std::string_view defaultLabel;
  std::uint32_t value;
  std::vector<ResultId> branches;
};

const ButtonChoiceRow& row(ButtonChoice choice) {
  using enum ResultId;
  // clang-format off
  static const std::array<ButtonChoiceRow, allButtonChoices.size()> rows = {{
      {"Button(s): OK", "Default Button: OK", MB_OK | MB_DEFBUTTON1, {}},
      {"Button(s): OK, Cancel", "Default Button: OK", MB_OKCANCEL | MB_DEFBUTTON1, {IDOK, IDCANCEL}},
      {"Button(s): OK, Cancel", "Default Button: Cancel", MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}},
      {"Button(s): Yes, No", "Default Button: Yes", MB_YESNO | MB_DEFBUTTON1, {IDYES, IDNO}},
      {"Button(s): Yes, No", "Default Button: No", MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}},
      {"Button(s): Yes, No, Cancel", "Default Button: Yes", MB_YESNOCANCEL | MB_DEFBUTTON1, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Yes, No, Cancel", "Default Button: No", MB_YESNOCANCEL | MB_DEFBUTTON2, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Yes, No, Cancel", "Default Button: Cancel", MB_YESNOCANCEL | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Abort", MB_ABORTRETRYIGNORE | MB_DEFBUTTON1, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Retry", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Retry, Cancel", "Default Button: Retry", MB_RETRYCANCEL | MB_DEFBUTTON1, {IDRETRY, IDCANCEL}},
      {"Button(s): Retry, Cancel", "Default Button: Cancel", MB_RETRYCANCEL | MB_DEFBUTTON2, {IDRETRY, IDCANCEL}},
  }};
  // clang-format on
  return rows.at(static_cast<std::size_t>(choice));
}

}  // namespace

std::string_view buttonSetLabel(ButtonChoice choice) { return row(choice).setLabel; }

std::string_view defaultButtonLabel(ButtonChoice choice) { return row(choice).defaultLabel; }

std::uint32_t buttonChoiceValue(ButtonChoice choice) { return row(choice).value; }

std::vector<ResultId> resultBranches(ButtonChoice choice) { return row(choice).branches; }

std::string_view resultIdName(ResultId id) {
  switch (id) {
    case ResultId::IDOK:
      return "IDOK";
    case ResultId::IDCANCEL:
      return "IDCANCEL";
    case ResultId::IDYES:
      return "IDYES";
    case ResultId::IDNO:
      return "IDNO";
    case ResultId::IDABORT:
      return "IDABORT";
    case ResultId::IDRETRY:
      return "IDRETRY";
    case ResultId::IDIGNORE:
      return "IDIGNORE";
  }
  return {};
}

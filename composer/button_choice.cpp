// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "button_choice.h"

namespace {

struct ButtonChoiceRow {
  std::string_view setLabel;
  std::string_view defaultLabel;
  std::uint32_t value;
  std::vector<ResultId> branches;
};

const ButtonChoiceRow& row(ButtonChoice choice) {
  using enum ResultId;
  static const std::array<ButtonChoiceRow, allButtonChoices.size()> rows = {{
      {"Button(s): OK", "Default Button: OK", 0, {}},
      {"Button(s): OK, Cancel", "Default Button: OK", 1, {IDOK, IDCANCEL}},
      {"Button(s): OK, Cancel", "Default Button: Cancel", 257, {IDOK, IDCANCEL}},
      {"Button(s): Yes, No", "Default Button: Yes", 4, {IDYES, IDNO}},
      {"Button(s): Yes, No", "Default Button: No", 260, {IDYES, IDNO}},
      {"Button(s): Yes, No, Cancel", "Default Button: Yes", 3, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Yes, No, Cancel", "Default Button: No", 259, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Yes, No, Cancel", "Default Button: Cancel", 515, {IDYES, IDNO, IDCANCEL}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Abort", 2, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Retry", 258, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Abort, Retry, Ignore", "Default Button: Ignore", 514, {IDABORT, IDRETRY, IDIGNORE}},
      {"Button(s): Retry, Cancel", "Default Button: Retry", 5, {IDRETRY, IDCANCEL}},
      {"Button(s): Retry, Cancel", "Default Button: Cancel", 261, {IDRETRY, IDCANCEL}},
  }};
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

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The buttons a message box can return, for which the generated code writes
// one branch each.
enum class ResultId { IDOK, IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE };

inline constexpr std::array<ButtonChoice, 13> allButtonChoices = {
    ButtonChoice::OK_OK,
    ButtonChoice::OK_OKCancel,
    ButtonChoice::Cancel_OKCancel,
    ButtonChoice::Yes_YesNo,
    ButtonChoice::No_YesNo,
    ButtonChoice::Yes_YesNoCancel,
    ButtonChoice::No_YesNoCancel,
    ButtonChoice::Cancel_YesNoCancel,
    ButtonChoice::Abort_AbortRetryIgnore,
    ButtonChoice::Retry_AbortRetryIgnore,
    ButtonChoice::Ignore_AbortRetryIgnore,
    ButtonChoice::Retry_RetryCancel,
    ButtonChoice::Cancel_RetryCancel,
};

// "Button(s): Yes, No, Cancel" and the like, shown by the window's status label.
std::string_view buttonSetLabel(ButtonChoice choice);

// "Default Button: Cancel" and the like, shown by the window's second status label.
std::string_view defaultButtonLabel(ButtonChoice choice);

// What the choice adds to the message-box style word: its button set and its
// default button, e.g. MB_YESNO | MB_DEFBUTTON2.
std::uint32_t buttonChoiceValue(ButtonChoice choice);

// The results the button set can return, in the order the branches are written.
std::vector<ResultId> resultBranches(ButtonChoice choice);

// "IDOK", "IDCANCEL", ...
std::string_view resultIdName(ResultId id);

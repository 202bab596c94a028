// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

#include <string_view>

// The texts under which the window and the generated code show the creators.

// "MessageBox Creator", "InputBox Creator", "Common Dialog Creator": the
// window's header and the generated code's marker comments.
std::string_view creatorCaption(CreatorKind kind);

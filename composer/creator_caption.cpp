// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/creator_caption.h"

std::string_view creatorCaption(CreatorKind kind) {
  switch (kind) {
    case CreatorKind::MessageBox:
      return "MessageBox Creator";
    case CreatorKind::InputBox:
      return "InputBox Creator";
    case CreatorKind::CommonDialog:
      return "Common Dialog Creator";
  }
  return {};
}

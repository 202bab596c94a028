// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#include "composer/input_box_code_generator.h"

CodeBlock InputBoxCodeGenerator::generate(const InputBoxSettings& settings) const {
  return {
      "//Begin InputBox Creator Code",
      settings.variable + " := InputBox('" + settings.caption + "', '" + settings.prompt + "', '" +
          settings.defaultText + "');",
      "//End InputBox Creator Code",
  };
}

// SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
//
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "composer/composer_settings.h"

class QWidget;

// "&Test": shows the dialog that the active creator's generated code shows at
// run time, modally, and discards its outcome. The composer window owns the
// message box. Throws PreviewError for the printer failures.
void showPreview(const ComposerSettings& settings, QWidget* composerWindow);

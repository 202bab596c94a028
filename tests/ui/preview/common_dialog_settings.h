#pragma once

#include "composer_settings.h"

// Default settings in the common-dialog creator with `kind` in front.
inline ComposerSettings commonDialogSettings(DialogKind kind) {
  ComposerSettings settings = defaults();
  settings.activeCreator = CreatorKind::CommonDialog;
  settings.commonDialog.activeDialog = kind;
  return settings;
}

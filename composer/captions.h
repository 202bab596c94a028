#pragma once

#include "composer_settings.h"

#include <string_view>

// The texts under which the window and the generated code show the enumerations.

// "MessageBox Creator", "InputBox Creator", "Common Dialog Creator": the
// window's header and the generated code's marker comments.
std::string_view creatorCaption(CreatorKind kind);

// The captions of the icon buttons ("No Icon" for NoIcon).
std::string_view iconCaption(IconChoice icon);

// The tab captions of the common-dialog creator ("Open Dialog", ...).
std::string_view dialogKindCaption(DialogKind kind);

// The radio items of the font tab ("All Fonts", ...).
std::string_view fontDeviceCaption(FontDevice device);

#include "captions.h"

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

std::string_view iconCaption(IconChoice icon) {
  switch (icon) {
    case IconChoice::Information:
      return "Information";
    case IconChoice::Question:
      return "Question";
    case IconChoice::Error:
      return "Error";
    case IconChoice::Warning:
      return "Warning";
    case IconChoice::NoIcon:
      return "No Icon";
  }
  return {};
}

std::string_view dialogKindCaption(DialogKind kind) {
  switch (kind) {
    case DialogKind::Open:
      return "Open Dialog";
    case DialogKind::Save:
      return "Save Dialog";
    case DialogKind::OpenPicture:
      return "Open-Picture Dialog";
    case DialogKind::SavePicture:
      return "Save-Picture Dialog";
    case DialogKind::Font:
      return "Font Dialog";
    case DialogKind::Color:
      return "Color Dialog";
    case DialogKind::Print:
      return "Print Dialog";
  }
  return {};
}

std::string_view fontDeviceCaption(FontDevice device) {
  switch (device) {
    case FontDevice::AllFonts:
      return "All Fonts";
    case FontDevice::ScreenFontsOnly:
      return "Screen Fonts Only";
    case FontDevice::PrinterFontsOnly:
      return "Printer Fonts Only";
  }
  return {};
}

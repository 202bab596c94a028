#include "input_box_request.h"

InputBoxRequest inputBoxRequest(const InputBoxSettings& settings) {
  return {QString::fromStdString(settings.caption), QString::fromStdString(settings.prompt),
          QString::fromStdString(settings.defaultText)};
}

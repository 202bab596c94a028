#include "common_dialog_placement.h"

QPoint commonDialogPosition(const QRect& screen, QSize window) {
  return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 3);
}

#include "show_preview.h"

#include <stdexcept>

// Placeholder until the preview is built; replaced by the dispatch to the dialogs.
void showPreview(const ComposerSettings&, QWidget*) { throw std::logic_error("The preview is not built yet"); }

#pragma once

#include <QColor>
#include <QFont>

// The fonts and fixed colours of the composer window. Sizes are in pixels, like the
// layout, so that both scale together on high-DPI screens.

// The font of the whole window and of every control on it: the default window font at
// the 96 dots per inch the layout was drawn for (11 pixels).
QFont composerWindowFont();

// The creator caption in the header: 27 pixels, bold italic.
QFont creatorHeaderFont();

// The dark grey behind the header and the creator panel.
QColor applicationWorkspaceColor();

// The light text on that grey: the header and the creator labels.
QColor highlightTextColor();

// The red of the button-set labels and of the notes on the variable pages.
QColor statusTextColor();

#pragma once

#include <QtGlobal>

class QString;
class QWidget;

namespace common {

// The main window: a fixed single border with a minimize box, no maximize box.
void applyMainWindowStyle(QWidget& window);
// Tool windows and the About window: a fixed dialog border, no minimize or maximize box,
// not shown in the taskbar.
void applyToolWindowStyle(QWidget& window);
// How wide a window must be for a common title bar to show its caption whole: the caption in a
// bold title font, beside the window's icon and three buttons.
int captionWidth(const QString& caption);
// How much larger than at 96 dots per inch the drawings and the places given in fixed units
// (twips, pixels) are laid out: the logical dpi over 96, and never smaller. Fonts grow with the
// dpi, so what fits at 96 dpi fits at any other.
qreal placeScale(const QWidget& widget);
// Fixes the window at the size its layout asks for, at least as wide as its caption needs, and
// puts it in the middle of the screen.
void fixSizeAndCenter(QWidget& window);

} // namespace common

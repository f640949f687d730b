#pragma once

class QWidget;

namespace common {

// The main window: a fixed single border with a minimize box, no maximize box.
void applyMainWindowStyle(QWidget& window);
// Tool windows and the About window: a fixed dialog border, no minimize or maximize box,
// not shown in the taskbar.
void applyToolWindowStyle(QWidget& window);
// Fixes the window at the size its layout asks for and puts it in the middle of the screen.
void fixSizeAndCenter(QWidget& window);

} // namespace common

#pragma once

#include "keytable.h"

#include <functional>

class QMainWindow;

namespace calc {

// Builds every control, frame and menu of the main window: the keys from the key table, the
// menus from their own. A menu item that leaves the calculator's work runs `command`.
void buildCalcLayout(QMainWindow& window, const std::function<void(Command)>& command);

} // namespace calc

#pragma once

#include <QString>

class QAction;
class QMainWindow;

// Menus as a screen reader and the keyboard meet them.
namespace common {

// Gives a menu title or item the name a screen reader speaks in place of its visible text (the
// "?" menu is "Справка"; an empty name speaks the text without its mnemonic mark) and a
// description; the text on the screen stays as it is.
void setSpokenName(QAction& action, const QString& name, const QString& description = {});

// F10 opens the window's menu bar at its first menu, in any keyboard layout.
void openMenusOnF10(QMainWindow& window);

} // namespace common

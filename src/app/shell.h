#pragma once

#include "calc/keytable.h"

#include <QString>
#include <memory>

namespace calc {
class CalcForm;
}

// The program around the calculator: the only place that knows every window. It opens the
// tool windows and the About window, answers the "Справка" menu and ends the program.
namespace app {

inline const QString kWhatsNewTitle = QStringLiteral("Цифроид 2.26");
inline const QString kWhatsNew = QStringLiteral("Новые функции в калькуляторе: x*10");

// The main window as the program starts it, with the start-up text in its display, its
// commands answered and the tool windows' "О программе" connected.
std::unique_ptr<calc::CalcForm> makeMainWindow(const QString& startText = {});

// What a command of the calculator does.
void runCommand(calc::Command command);

// Qt's own texts in Russian (the boxes' context menus, the message box's key): loads the
// toolkit's Russian translation if the system has it. Answers whether it did.
bool useRussianToolkitTexts();

} // namespace app

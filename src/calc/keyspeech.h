#pragma once

#include "keytable.h"

#include <QString>

class QWidget;

// What the calculator window's controls say to a screen reader and in their tooltips.
namespace calc {

// Gives a control its spoken name, its description followed by its keyboard key, and its
// tooltip: the spoken name with the keyboard key that presses the key, where there is one
// ("умножить (клавиша * на цифровой клавиатуре)").
void speak(QWidget& control, const Speech& speech);

// A memory slot (0 to 4) is spoken as "ячейка памяти 1"; what it holds, its caption or "пусто",
// is its description.
void speakSlot(QWidget& slot, int index);
void speakSlotValue(QWidget& slot, const QString& caption, bool empty);

} // namespace calc

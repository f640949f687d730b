#pragma once

#include "keytable.h"

class QLineEdit;
class QPushButton;
class QWidget;

namespace calc {

// Gives a key the colours, font and least size of its kind.
void styleKey(QPushButton& key, KeyKind kind);

// The display's bold 12-point font. The keypad's main keys use it too: digits look alike on keys
// and display, and the window loads one large font, not one for each kind of key.
void useDisplayFont(QWidget& control);

// The display: LCD colours and its font.
void styleDisplay(QLineEdit& display);

// The banner line: a strip in the display's colours, lighter, that cannot be mistaken for a
// box to type in.
void styleBanner(QWidget& banner);

} // namespace calc

#pragma once

#include "numcheck.h"

#include <QString>
#include <optional>

class QBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

// What the suite's windows are built from: named controls, the "Закрыть" line and reading a box
// through the numeric check.
namespace common {

void setName(QObject& object, const char* name);

// Gives the object its name and hands it back, for building controls in one expression.
template <class T> T* named(T* object, const char* name) {
    setName(*object, name);
    return object;
}

// The keypad's decimal key types a comma into the box, whatever the keyboard layout, so that a
// number typed on the keypad is a number.
void typeCommaOnKeypad(QLineEdit& box);

// A text box with its object name and the name screen readers announce; the keypad's decimal
// key types a comma into it.
QLineEdit* makeBox(const char* name, const QString& accessibleName, QWidget* parent,
                   const QString& text = {});

// A push button that Enter in a box does not press (unless its window makes it the main key).
QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);

// What a screen reader says for a control in place of its caption ("Решить >>" is "решить";
// empty keeps the caption) and what it does; a key shows that as its tooltip too.
void describe(QWidget& control, const QString& spokenName, const QString& description);

// How wide a box must be to show `sample` whole in its font, frame and margins included.
int boxWidthFor(const QLineEdit& box, const QString& sample);

// How wide a box must be for the longest number a result can be: 15 digits, a sign and an
// exponent.
int numberBoxWidth(const QLineEdit& box);

// Writes a text the program made into a box, its start in view.
void showText(QLineEdit& box, const QString& text);

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent);

// The room between a tool window's edges and its controls, the same in every window.
void setPageMargins(QLayout& page);

// Puts the window's "Закрыть" key in the bottom right corner.
void addCloseLine(QBoxLayout& page, QPushButton& close);

// Writes a number into a box, its leading digits in view. The box keeps the exact value for as
// long as its text stays as written, so reading it back loses nothing (a third stays a third).
void showNumber(QLineEdit& box, const Number& value);

// Reads a box the tools' way: an empty box first gets `whenEmpty`, which the user then sees,
// and the text goes through the numeric check, which reports a non-number. A text the program
// wrote with showNumber gives back the value it was written for.
std::optional<Number> readBox(QLineEdit& box, const QString& whenEmpty, const Report& report);

} // namespace common

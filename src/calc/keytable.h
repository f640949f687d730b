#pragma once

#include <QStringView>
#include <functional>
#include <vector>

namespace calc {

class CalcEngine;

// How a key looks: keys of one kind share a colour. Options are the angle unit's two buttons.
enum class KeyKind { Digit, Operator, Equals, Edit, Off, Science, Memory, Tool, Option };

// The part of the window a key lies in, each a grid of its own.
enum class KeyGroup { Unit, Science, Memory, Keypad, Tools };

// What a key asks of the program around the calculator rather than of the calculator itself.
enum class Command { None, Quit, Help, WhatsNew, About, Equations, Triangle, Vector, Fractions };

// What a screen reader says of a key: the name it speaks in place of the caption, what the key
// does, and the keyboard key that presses it, if there is one.
struct Speech {
    const char* name;
    const char* description;
    const char* keyboard = nullptr;
};

// One key of the calculator window: its object name, caption, spoken name, look, place and what
// it does.
struct Key {
    const char* name;
    const char* caption;
    Speech speech;
    KeyKind kind;
    KeyGroup group;
    int row;
    int column;
    std::function<void(CalcEngine&)> press = {}; // the calculator's work; none for a command key
    Command command = Command::None;
    int rowSpan = 1;
};

// Every key, group by group, each group in the order Tab visits it.
const std::vector<Key>& keys();

// The key with this object name or this caption; nullptr when there is none.
const Key* keyNamed(QStringView name);
const Key* keyCaptioned(QStringView caption);

} // namespace calc

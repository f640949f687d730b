#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a random run types: the keys of the keyboard and the texts put into boxes.
namespace soak {

struct Key {
    int code; // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// Digits, letters, Cyrillic letters, signs, editing keys, modifier and lock keys alone,
// function keys and the clipboard and modifier combinations.
QList<Key> keyboard();

// Texts typed and pasted, besides random numbers: the ends of the number range and past them,
// what is not a number, several lines, and far more than a box holds.
const QStringList& texts();

} // namespace soak

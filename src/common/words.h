#pragma once

#include "outcome.h"

#include <QString>

// The words that several windows of the suite share. Each window's own words stay with it.
namespace common::words {

inline const QString kNotNumber = QStringLiteral("Введены нечисловые данные");
inline const QString kDivisionByZero = QStringLiteral("На ноль делить нельзя!");
inline const QString kBadArgument = QStringLiteral("Недопустимый аргумент функции!");
inline const QString kOverflow = QStringLiteral("Переполнение!");

// The tool windows' menus and their close key.
inline const QString kFileMenu = QStringLiteral("Файл");
inline const QString kHelpMenu = QStringLiteral("?");
inline const QString kClose = QStringLiteral("Закрыть");
inline const QString kAbout = QStringLiteral("О программе");
// What a screen reader says for the "?" menu and the close key.
inline const QString kHelpSpoken = QStringLiteral("Справка");
inline const QString kCloseSpoken = QStringLiteral("закрыть");
inline const QString kCloseDescription =
    QStringLiteral("Скрыть окно; введённые числа останутся до следующего открытия");

// What a screen reader says about a box that may be left empty, and about one that must not
// hold zero.
inline const QString kEmptyIsZero = QStringLiteral("Пустое поле читается как 0");
inline const QString kNotZero = QStringLiteral("Не может быть нулём");

// The message for a fault; empty for none.
QString faultMessage(Fault fault);

} // namespace common::words

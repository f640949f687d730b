#pragma once

#include <QString>

// Common fractions apart from the window: the four operations by the schoolbook rule, the
// reduction of the result to lowest terms and the texts of its parts and decimal value.
namespace fractions {

inline const QString kMessageTitle = QStringLiteral("Цифроид 2 дробь");
inline const QString kZeroDenominator =
    QStringLiteral("Знаменатель у дроби не может равняться нулю!");
inline const QString kDivisionByZero = QStringLiteral("На ноль делить нельзя!");
inline const QString kOverflow = QStringLiteral("Переполнение!");

struct Fraction {
    double numerator = 0;
    double denominator = 0;
};

enum class Operation { Add, Subtract, Multiply, Divide };

// Divides both parts by their greatest common divisor when both are whole numbers of at most
// 2^53 in magnitude; otherwise the fraction stays as it is. Signs stay where they are.
Fraction reduced(Fraction fraction);

struct Result {
    QString decimal;     // the quotient, for `itdsv`
    QString numerator;   // for `icl`
    QString denominator; // for `izn`
    QString message;     // when not empty: shown instead, and no box is written
};

// a/b with c/d, both denominators non-zero. Addition and subtraction keep b when b equals d
// (as numbers) and otherwise go over b·d; multiplication gives a·c / b·d, division a·d / b·c.
// The result is reduced. Dividing by a zero numerator gives "На ноль делить нельзя!", a result
// beyond the double range "Переполнение!".
Result calculate(Operation operation, Fraction first, Fraction second);

} // namespace fractions

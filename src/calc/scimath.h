#pragma once

#include "common/number.h"
#include "common/outcome.h"

#include <optional>

// The scientific keys' mathematics: every function answers the value to show or the fault
// that the calculator reports instead. Values are exact where the result is (x², 1/x, sin 30°)
// and otherwise correctly rounded in the 15 digits shown.
namespace calc {

using common::Fault;
using common::Number;
using common::Outcome;

enum class Trig { Sin, Cos, Tan, Cot, Sec, Csc };
enum class Unary {
    Square,
    Cube,
    Sqrt,
    Pow2,
    PowE,
    PowPi,
    Exp,
    Pow10,
    Ln,
    Floor,
    Reciprocal,
    Times10,
    Div10
};

// The keys "e" and "pi": the true constants (shown as 2,71828182845905 and 3,14159265358979).
const Number& constantE();
const Number& constantPi();

// The unit switch: the display value carried over to the newly chosen unit, with the true π.
Outcome convertAngle(const Number& value, bool toDegrees);

// An angle in degrees is reduced modulo 360 exactly first: sin 180 is 0 and tg 90 a division
// by zero. In radians the number is taken as it is.
Outcome trig(Trig function, const Number& angle, bool degrees);
Outcome unary(Unary function, const Number& x);

// "x^y" finished by "=": a negative exponent comes as reciprocalPower(x, |y|).
Outcome power(const Number& x, const Number& y);
// 1 ÷ x^y, the power computed first: a power too small to divide by is an overflow.
Outcome reciprocalPower(const Number& x, const Number& y);
// "sqr^y" finished by "=": the principal real root of degree y of x.
Outcome root(const Number& x, const Number& y);

// "acos" and "asin": the principal angle in the selected unit, or nothing outside [-1, 1].
std::optional<Number> arcCos(const Number& v, bool degrees);
std::optional<Number> arcSin(const Number& v, bool degrees);

} // namespace calc

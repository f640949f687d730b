#pragma once

#include "common/outcome.h"

#include "common/angles.h"

#include <optional>

// The scientific keys' mathematics: every function answers a finite value or the fault that
// the calculator reports instead.
namespace calc {

using common::Fault;
using common::finite;
using common::Outcome;

// π as the calculator uses it for angles, "pi" and "pi^x": fifteen significant digits.
using common::kPi15;
// Euler's number, the double nearest to it.
inline constexpr double kE = 2.718281828459045;

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

// An angle typed in degrees (or radians) in radians: degrees × π ÷ 180, the product first.
Outcome toRadians(double angle, bool degrees);
// The unit switch: the display value carried over to the newly chosen unit.
Outcome convertAngle(double value, bool toDegrees);

Outcome trig(Trig function, double angle, bool degrees);
Outcome unary(Unary function, double x);

// "x^y" finished by "=": a negative exponent comes as reciprocalPower(x, |y|).
Outcome power(double x, double y);
// 1 ÷ x^y, the power computed first: a power beyond the double range gives 0, one that is
// too small for a double is an overflow.
Outcome reciprocalPower(double x, double y);
// "sqr^y" finished by "=": the principal real root of degree y of x.
Outcome root(double x, double y);

// "acos" and "asin": the principal angle in the selected unit, or nothing outside [-1, 1].
std::optional<double> arcCos(double v, bool degrees);
std::optional<double> arcSin(double v, bool degrees);

} // namespace calc

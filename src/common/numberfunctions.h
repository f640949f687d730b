#pragma once

#include "common/number.h"

#include <optional>

// The scientific functions on Number. Each result is exact where the true value is a small
// rational the function can find (√(9/4), 64 root 3, 2^-1074, sin 30°), otherwise an
// approximation whose 15 shown digits are those of the true value. Domain checks (x ≥ 0 for
// √, x > 0 for ln, |v| ≤ 1 for asin, ...) are the callers'.
namespace common {

// An approximation within this relative distance (2^-200) of a whole number, or of a
// multiple of 15 degrees, counts as that number: its own error is about 2^-250, so it cannot
// be told apart from it, and the whole number is what exact arithmetic would have met.
inline constexpr long kNearBits = 200;

const Number& pi();
const Number& e();

// x ≥ 0.
Number sqrt(const Number& x);
// The principal real root of degree n: n ≠ 0, and x < 0 only for an odd whole n.
Number root(const Number& x, const Number& n);
// x^y: not 0^y for y < 0, and x < 0 only for a whole y (near-whole approximations count).
Number pow(const Number& x, const Number& y);
Number exp(const Number& x);
// x > 0.
Number ln(const Number& x);
Number exp2(const Number& x);
Number exp10(const Number& x);
// π^x.
Number powPi(const Number& x);
// The largest whole number not above x (an approximation within kNearBits of a whole
// number gives that number); exact whenever the result is small enough to be.
Number floor(const Number& x);

enum class Wholeness { NotWhole, Even, Odd };
// Whether x is a whole number, and which kind, with the kNearBits tolerance for
// approximations (the sign of a negative base raised to a whole power depends on it).
Wholeness wholeness(const Number& x);

enum class AngleUnit { Degrees, Radians };

// An angle in degrees is reduced modulo 360 exactly first. Multiples of 15 degrees are taken
// exactly, and so are approximations in either unit that lie within kNearBits of one (a
// computed π/2, or 30 degrees that went to radians and back), below 2^100 in magnitude.
// Where the sine or cosine there is rational (0, ±1/2, ±1) the result is exact, so a caller
// dividing by it can tell a true zero. Other angles in radians are taken as they are,
// however large.
struct SinCos {
    Number sin;
    Number cos;
};
SinCos sinCos(const Number& angle, AngleUnit unit);
Number sin(const Number& angle, AngleUnit unit);
Number cos(const Number& angle, AngleUnit unit);
// Nothing where the value is undefined (tan 90°, cot 180°, sec 90°, csc 0°, ...).
std::optional<Number> tan(const Number& angle, AngleUnit unit);
std::optional<Number> cot(const Number& angle, AngleUnit unit);
std::optional<Number> sec(const Number& angle, AngleUnit unit);
std::optional<Number> csc(const Number& angle, AngleUnit unit);

// |v| ≤ 1. The principal angle in the unit; exact in degrees for v in {0, ±1/2, ±1}, and
// asin 0 and acos 1 are an exact 0 in either unit.
Number asin(const Number& v, AngleUnit unit);
Number acos(const Number& v, AngleUnit unit);

// The degree/radian switch: x·π/180 and x·180/π with the true π.
Number degreesToRadians(const Number& x);
Number radiansToDegrees(const Number& x);

} // namespace common

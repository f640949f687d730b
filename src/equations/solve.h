#pragma once

#include "common/number.h"

#include <QList>

// Solving the equations of the two solver windows, apart from the windows: the coefficients
// come in as the numbers typed, the verdict and the roots come out, each root the exact value
// or one correctly rounded where it is shown.
namespace equations {

using common::Number;

enum class LinearVerdict { Root, AnyNumber, NoRoots, Overflow };

struct LinearSolution {
    LinearVerdict verdict = LinearVerdict::Root;
    Number root; // with Root
};

// a·x + b = c. A zero a gives any number when b equals c and no root otherwise; a root beyond
// the range a result may have is an overflow (c − b on the way may be larger).
LinearSolution solveLinear(const Number& a, const Number& b, const Number& c);

enum class Kind { Quadratic, Biquadratic };

enum class QuadraticVerdict {
    ZeroLeading, // a is zero
    Overflow,    // a root shown would lie beyond the range
    NoRealRoots,
    OneRootDoubled, // the quadratic with D = 0
    TwoRoots,       // the quadratic's x1, x2; the biquadratic's ±√y of its one usable y
    OneRoot,        // the biquadratic's x = 0 alone
    FourRoots,      // the biquadratic's √y1, √y2, −√y1, −√y2 (a zero y gives two zeros)
};

struct QuadraticSolution {
    QuadraticVerdict verdict = QuadraticVerdict::NoRealRoots;
    QList<Number> roots; // in the order of the boxes k1..k4
};

// a·x² + b·x + c = 0 or a·x⁴ + b·x² + c = 0. The discriminant D = b² − 4ac is exact, so a
// double root typed with decimals is found as one. The roots of the quadratic in y (or x) are
// x1 = (−b + √D) / 2a and x2 = (−b − √D) / 2a, taken as q / a and c / q with
// q = −(b + sign(b)·√D) / 2, which never subtracts nearly equal numbers.
QuadraticSolution solveQuadratic(Kind kind, const Number& a, const Number& b, const Number& c);

} // namespace equations

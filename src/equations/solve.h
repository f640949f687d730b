#pragma once

#include <QList>

#include <optional>

// Solving the equations of the two solver windows, apart from the windows: the coefficients
// come in as numbers, the verdict and the roots come out.
namespace equations {

enum class LinearVerdict { Root, AnyNumber, NoRoots, Overflow };

struct LinearSolution {
    LinearVerdict verdict = LinearVerdict::Root;
    double root = 0; // with Root
};

// a·x + b = c. A zero a gives any number when b equals c and no root otherwise; c − b or the
// root beyond the double range is an overflow.
LinearSolution solveLinear(double a, double b, double c);

enum class Kind { Quadratic, Biquadratic };

// The roots of a·x² + b·x + c = 0 (a non-zero), shared by both kinds: x1 = (√D − b) / (2a) and
// x2 = (−b − √D) / (2a), or −b / (2a) twice for a zero D. A root whose numerator cancels to
// less than |b| / 10 000 is taken as 2c / (−b ∓ √D) instead, the same value without the lost
// digits. A negative D gives no roots (both 0).
struct QuadraticRoots {
    enum class Discriminant { Negative, Zero, Positive };
    Discriminant discriminant = Discriminant::Negative;
    double x1 = 0;
    double x2 = 0;
};

// Nothing when a root lies beyond the double range.
std::optional<QuadraticRoots> quadraticRoots(double a, double b, double c);

enum class QuadraticVerdict {
    ZeroLeading, // a is zero
    Overflow,    // a root (for the biquadratic, a root y) beyond the double range
    NoRealRoots,
    OneRootDoubled, // the quadratic with D = 0
    TwoRoots,       // the quadratic's x1, x2; the biquadratic's ±√y of its one usable y
    OneRoot,        // the biquadratic's x = 0 alone
    FourRoots,      // the biquadratic's √y1, √y2, −√y1, −√y2 (a zero y gives two zeros)
};

struct QuadraticSolution {
    QuadraticVerdict verdict = QuadraticVerdict::NoRealRoots;
    QList<double> roots; // in the order of the boxes k1..k4
};

// a·x² + b·x + c = 0 or a·x⁴ + b·x² + c = 0.
QuadraticSolution solveQuadratic(Kind kind, double a, double b, double c);

} // namespace equations

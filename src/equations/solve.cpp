#include "solve.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace equations {

namespace {

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The biquadratic whose substituted equation leaves one usable y: x = ±√y, or x = 0 alone.
QuadraticSolution rootsOfOne(double y) {
    const double root = std::sqrt(y);
    if (y == 0) {
        return {QuadraticVerdict::OneRoot, {root}};
    }
    return {QuadraticVerdict::TwoRoots, {root, -root}};
}

// The power of two that brings the largest coefficient into [0.5, 1): multiplying a, b and c
// by it changes neither the roots nor, for ordinary coefficients, a single bit of them, and
// keeps b² and 4·a·c in range. It stops short where the smallest non-zero coefficient would
// otherwise fall below the normal numbers and lose its digits.
int scaleExponent(double a, double b, double c) {
    int largest = std::numeric_limits<int>::min();
    int smallest = std::numeric_limits<int>::max();
    for (const double v : {a, b, c}) {
        if (v != 0) {
            int exponent = 0;
            std::frexp(v, &exponent);
            largest = std::max(largest, exponent);
            smallest = std::min(smallest, exponent);
        }
    }
    const int lowest = std::numeric_limits<double>::min_exponent;
    int shift = -largest;
    if (smallest + shift < lowest) {
        shift = std::max(shift, std::min(0, lowest - smallest));
    }
    return shift;
}

// Where −b and ±√D cancel to less than |b| / 10 000, their difference has lost most of its
// digits, and the root is taken as 2c / (−b ∓ √D) instead, equal in exact arithmetic.
constexpr double kCancellation = 10000;

QuadraticSolution quadratic(const QuadraticRoots& roots) {
    if (roots.discriminant == QuadraticRoots::Discriminant::Zero) {
        return {QuadraticVerdict::OneRootDoubled, {roots.x1}};
    }
    return {QuadraticVerdict::TwoRoots, {roots.x1, roots.x2}};
}

QuadraticSolution biquadratic(const QuadraticRoots& roots) {
    const QuadraticSolution none{QuadraticVerdict::NoRealRoots, {}};
    if (roots.discriminant == QuadraticRoots::Discriminant::Zero) {
        const double y = roots.x1;
        return y < 0 ? none : rootsOfOne(y);
    }
    const double y1 = roots.x1;
    const double y2 = roots.x2;
    if (y1 < 0 && y2 < 0) {
        return none;
    }
    if (y1 < 0) {
        return rootsOfOne(y2);
    }
    if (y2 < 0) {
        return rootsOfOne(y1);
    }
    // Both y non-negative (at most one of them zero, as D is positive): four roots.
    const double r1 = std::sqrt(y1);
    const double r2 = std::sqrt(y2);
    return {QuadraticVerdict::FourRoots, {r1, r2, -r1, -r2}};
}

} // namespace

LinearSolution solveLinear(double a, double b, double c) {
    if (a == 0) {
        return {b == c ? LinearVerdict::AnyNumber : LinearVerdict::NoRoots};
    }
    const double difference = c - b;
    const double root = difference / a;
    if (!allFinite({difference, root})) {
        return {LinearVerdict::Overflow};
    }
    return {LinearVerdict::Root, root};
}

std::optional<QuadraticRoots> quadraticRoots(double a, double b, double c) {
    const int shift = scaleExponent(a, b, c);
    a = std::ldexp(a, shift);
    b = std::ldexp(b, shift);
    c = std::ldexp(c, shift);
    const double twoA = 2 * a;
    const double d = b * b - 4 * a * c;
    if (!allFinite({twoA, d})) {
        return std::nullopt;
    }
    using Discriminant = QuadraticRoots::Discriminant;
    if (d < 0) {
        return QuadraticRoots{Discriminant::Negative};
    }
    if (d == 0) {
        const double x = -b / twoA;
        if (!std::isfinite(x)) {
            return std::nullopt;
        }
        return QuadraticRoots{Discriminant::Zero, x, x};
    }
    const double root = std::sqrt(d);
    const double plus = root - b;
    const double minus = -b - root;
    const double limit = std::fabs(b) / kCancellation;
    const double x1 = std::fabs(plus) < limit ? 2 * c / minus : plus / twoA;
    const double x2 = std::fabs(minus) < limit ? 2 * c / plus : minus / twoA;
    if (!allFinite({x1, x2})) {
        return std::nullopt;
    }
    return QuadraticRoots{Discriminant::Positive, x1, x2};
}

QuadraticSolution solveQuadratic(Kind kind, double a, double b, double c) {
    if (a == 0) {
        return {QuadraticVerdict::ZeroLeading, {}};
    }
    const auto roots = quadraticRoots(a, b, c);
    if (!roots) {
        return {QuadraticVerdict::Overflow, {}};
    }
    if (roots->discriminant == QuadraticRoots::Discriminant::Negative) {
        return {QuadraticVerdict::NoRealRoots, {}};
    }
    return kind == Kind::Quadratic ? quadratic(*roots) : biquadratic(*roots);
}

} // namespace equations

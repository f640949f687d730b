#include "solve.h"

#include "common/numtext.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace equations {

namespace {

using common::formatNumber;

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

Answer overflow() {
    return {{}, kOverflow};
}

// "Корней нет." in the boxes of the kind, after the message.
Answer noRoots(Kind kind) {
    const qsizetype boxes = kind == Kind::Biquadratic ? 4 : 2;
    return {QStringList(boxes, kNoRoots), kNoRealRoots};
}

// The biquadratic whose substituted equation leaves one usable y: x = ±√y, or x = 0 alone.
Answer rootsOfOne(double y) {
    const double root = std::sqrt(y);
    if (y == 0) {
        return {{formatNumber(root), kOneRoot, kOneRoot, kOneRoot}, {}};
    }
    return {{formatNumber(root), formatNumber(-root), kTwoRoots, kTwoRoots}, {}};
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

Answer quadratic(const QuadraticRoots& roots) {
    if (roots.discriminant == QuadraticRoots::Discriminant::Zero) {
        return {{formatNumber(roots.x1), kOneRootDoubled}, {}};
    }
    return {{formatNumber(roots.x1), formatNumber(roots.x2)}, {}};
}

Answer biquadratic(const QuadraticRoots& roots) {
    if (roots.discriminant == QuadraticRoots::Discriminant::Zero) {
        const double y = roots.x1;
        return y < 0 ? noRoots(Kind::Biquadratic) : rootsOfOne(y);
    }
    const double y1 = roots.x1;
    const double y2 = roots.x2;
    if (y1 < 0 && y2 < 0) {
        return noRoots(Kind::Biquadratic);
    }
    if (y1 < 0) {
        return rootsOfOne(y2);
    }
    if (y2 < 0) {
        return rootsOfOne(y1);
    }
    // Both y non-negative (at most one of them zero, as D is positive): four roots, a zero
    // one written twice as "0".
    const double r1 = std::sqrt(y1);
    const double r2 = std::sqrt(y2);
    return {{formatNumber(r1), formatNumber(r2), formatNumber(-r1), formatNumber(-r2)}, {}};
}

} // namespace

Answer solveLinear(double a, double b, double c) {
    if (a == 0) {
        if (b == c) {
            return {{kAnyNumber}, {}};
        }
        return {{kNoRootsText}, kNoRootsMessage};
    }
    const double difference = c - b;
    const double root = difference / a;
    if (!allFinite({difference, root})) {
        return overflow();
    }
    return {{formatNumber(root)}, {}};
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

Answer solveQuadratic(Kind kind, double a, double b, double c) {
    if (a == 0) {
        return {{}, kZeroLeading};
    }
    const auto roots = quadraticRoots(a, b, c);
    if (!roots) {
        return overflow();
    }
    if (roots->discriminant == QuadraticRoots::Discriminant::Negative) {
        return noRoots(kind);
    }
    return kind == Kind::Quadratic ? quadratic(*roots) : biquadratic(*roots);
}

} // namespace equations

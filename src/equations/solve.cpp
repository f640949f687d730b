#include "solve.h"

#include "common/numtext.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

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

Answer quadratic(double b, double twoA, double d) {
    if (d == 0) {
        const double x = -b / twoA;
        if (!std::isfinite(x)) {
            return overflow();
        }
        return {{formatNumber(x), kOneRootDoubled}, {}};
    }
    const double root = std::sqrt(d);
    const double x1 = (root - b) / twoA;
    const double x2 = (-b - root) / twoA;
    if (!allFinite({root - b, -b - root, x1, x2})) {
        return overflow();
    }
    return {{formatNumber(x1), formatNumber(x2)}, {}};
}

Answer biquadratic(double b, double twoA, double d) {
    if (d == 0) {
        const double y = -b / twoA;
        if (!std::isfinite(y)) {
            return overflow();
        }
        return y < 0 ? noRoots(Kind::Biquadratic) : rootsOfOne(y);
    }
    const double root = std::sqrt(d);
    const double y1 = (root - b) / twoA;
    const double y2 = (-b - root) / twoA;
    if (!allFinite({root - b, -b - root, y1, y2})) {
        return overflow();
    }
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

Answer solveQuadratic(Kind kind, double a, double b, double c) {
    if (a == 0) {
        return {{}, kZeroLeading};
    }
    const double twoA = 2 * a;
    const double d = b * b - 4 * a * c;
    if (!allFinite({twoA, d})) {
        return overflow();
    }
    if (d < 0) {
        return noRoots(kind);
    }
    return kind == Kind::Quadratic ? quadratic(b, twoA, d) : biquadratic(b, twoA, d);
}

} // namespace equations

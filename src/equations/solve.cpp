#include "solve.h"

#include "common/numberfunctions.h"
#include "common/outcome.h"

#include <algorithm>

namespace equations {

namespace {

// The roots of the substituted quadratic: y1 belongs to +√D, y2 to −√D; one root for D = 0.
struct QuadraticRoots {
    enum class Discriminant { Negative, Zero, Positive };
    Discriminant discriminant = Discriminant::Negative;
    Number y1;
    Number y2;
};

QuadraticRoots quadraticRoots(const Number& a, const Number& b, const Number& c) {
    using Discriminant = QuadraticRoots::Discriminant;
    const Number d = b * b - Number(4) * a * c;
    if (d.sign() < 0) {
        return {Discriminant::Negative, {}, {}};
    }
    if (d.isZero()) {
        const Number y = -b / (Number(2) * a);
        return {Discriminant::Zero, y, y};
    }
    const Number root = common::sqrt(d);
    // q is −(b ± √D)/2 with the sign that adds magnitudes: it is never near zero.
    const Number q = b.sign() < 0 ? (root - b) / Number(2) : -(b + root) / Number(2);
    const Number first = q / a;  // x1 for a negative b, x2 otherwise
    const Number second = c / q; // the other one
    if (b.sign() < 0) {
        return {Discriminant::Positive, first, second};
    }
    return {Discriminant::Positive, second, first};
}

// The roots as shown, or nothing when one of them overflows.
std::optional<QList<Number>> shownRoots(const QList<Number>& roots) {
    QList<Number> shown;
    for (const Number& root : roots) {
        const common::Outcome outcome = common::shown(root);
        if (!outcome.ok()) {
            return std::nullopt;
        }
        shown << outcome.value;
    }
    return shown;
}

QuadraticSolution verdict(QuadraticVerdict kind, const QList<Number>& roots) {
    const auto shown = shownRoots(roots);
    if (!shown) {
        return {QuadraticVerdict::Overflow, {}};
    }
    return {kind, *shown};
}

// The biquadratic whose substituted equation leaves one usable y: x = ±√y, or x = 0 alone.
QuadraticSolution rootsOfOne(const Number& y) {
    if (y.isZero()) {
        return {QuadraticVerdict::OneRoot, {Number()}};
    }
    const Number root = common::sqrt(y);
    return verdict(QuadraticVerdict::TwoRoots, {root, -root});
}

QuadraticSolution biquadratic(const QuadraticRoots& roots) {
    const QuadraticSolution none{QuadraticVerdict::NoRealRoots, {}};
    if (roots.discriminant == QuadraticRoots::Discriminant::Zero) {
        return roots.y1.sign() < 0 ? none : rootsOfOne(roots.y1);
    }
    const Number& y1 = roots.y1;
    const Number& y2 = roots.y2;
    if (y1.sign() < 0 && y2.sign() < 0) {
        return none;
    }
    if (y1.sign() < 0) {
        return rootsOfOne(y2);
    }
    if (y2.sign() < 0) {
        return rootsOfOne(y1);
    }
    // Both y non-negative (at most one of them zero, as D is positive): four roots.
    const Number r1 = common::sqrt(y1);
    const Number r2 = common::sqrt(y2);
    return verdict(QuadraticVerdict::FourRoots, {r1, r2, -r1, -r2});
}

} // namespace

LinearSolution solveLinear(const Number& a, const Number& b, const Number& c) {
    if (a.isZero()) {
        return {b == c ? LinearVerdict::AnyNumber : LinearVerdict::NoRoots, {}};
    }
    const common::Outcome root = common::shown((c - b) / a);
    if (!root.ok()) {
        return {LinearVerdict::Overflow, {}};
    }
    return {LinearVerdict::Root, root.value};
}

QuadraticSolution solveQuadratic(Kind kind, const Number& a, const Number& b, const Number& c) {
    if (a.isZero()) {
        return {QuadraticVerdict::ZeroLeading, {}};
    }
    const QuadraticRoots roots = quadraticRoots(a, b, c);
    switch (roots.discriminant) {
    case QuadraticRoots::Discriminant::Negative:
        return {QuadraticVerdict::NoRealRoots, {}};
    case QuadraticRoots::Discriminant::Zero:
        if (kind == Kind::Quadratic) {
            return verdict(QuadraticVerdict::OneRootDoubled, {roots.y1});
        }
        break;
    case QuadraticRoots::Discriminant::Positive:
        if (kind == Kind::Quadratic) {
            return verdict(QuadraticVerdict::TwoRoots, {roots.y1, roots.y2});
        }
        break;
    }
    return biquadratic(roots);
}

} // namespace equations

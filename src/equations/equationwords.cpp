#include "equationwords.h"

#include "common/numtext.h"
#include "common/words.h"

namespace equations {

namespace {

// The boxes each kind writes: k1, k2 for the quadratic, k1..k4 for the biquadratic.
constexpr qsizetype kQuadraticBoxes = 2;
constexpr qsizetype kBiquadraticBoxes = 4;

// The roots' texts, then `filler` up to `count` boxes.
QStringList filled(const QList<Number>& roots, qsizetype count, const QString& filler) {
    QStringList boxes;
    for (const Number& root : roots) {
        boxes << common::formatNumber(root);
    }
    while (boxes.size() < count) {
        boxes << filler;
    }
    return boxes;
}

} // namespace

Answer linearAnswer(const LinearSolution& solution) {
    switch (solution.verdict) {
    case LinearVerdict::Root:
        return {{common::formatNumber(solution.root)}, {}};
    case LinearVerdict::AnyNumber:
        return {{kAnyNumber}, {}};
    case LinearVerdict::NoRoots:
        return {{kNoRootsText}, kNoRootsMessage};
    case LinearVerdict::Overflow:
        break;
    }
    return {{}, common::words::kOverflow};
}

Answer quadraticAnswer(Kind kind, const QuadraticSolution& solution) {
    const qsizetype count = kind == Kind::Biquadratic ? kBiquadraticBoxes : kQuadraticBoxes;
    const QList<Number>& roots = solution.roots;
    switch (solution.verdict) {
    case QuadraticVerdict::ZeroLeading:
        return {{}, kZeroLeading};
    case QuadraticVerdict::Overflow:
        return {{}, common::words::kOverflow};
    case QuadraticVerdict::NoRealRoots:
        return {filled({}, count, kNoRoots), kNoRealRoots};
    case QuadraticVerdict::OneRootDoubled:
        return {filled(roots, count, kOneRootDoubled), {}};
    case QuadraticVerdict::OneRoot:
        return {filled(roots, count, kOneRoot), {}};
    case QuadraticVerdict::TwoRoots:
    case QuadraticVerdict::FourRoots:
        break;
    }
    return {filled(roots, count, kTwoRoots), {}};
}

} // namespace equations

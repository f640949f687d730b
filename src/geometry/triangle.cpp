#include "triangle.h"

#include "common/numberfunctions.h"
#include "common/outcome.h"

#include <optional>

namespace geometry {

namespace {

using common::AngleUnit;

// A value as the solver holds it: given by the user until a step computes it. A step that
// would divide by zero leaves an infinite value, which is shown as an overflow.
struct Value {
    Number number;
    bool given = true;
    bool infinite = false;

    bool present() const { return infinite || !number.isZero(); }
    void set(const Number& computed) {
        number = computed;
        given = false;
        infinite = false;
    }
    void set(const std::optional<Number>& computed) {
        if (computed) {
            set(*computed);
        } else {
            given = false;
            infinite = true;
        }
    }
};

// n ÷ d, or nothing (an infinite value) when d is zero.
std::optional<Number> quotient(const Number& n, const Number& d) {
    if (d.isZero()) {
        return std::nullopt;
    }
    return n / d;
}

QList<Check> failedChecks(const TriangleGivens& g) {
    QList<Check> failed;
    if (!g.angleA.isZero() && !g.angleB.isZero() &&
        common::floor(g.angleA) + common::floor(g.angleB) > Number(90)) {
        failed << Check::WholeDegrees;
    }
    if (g.angleA >= Number(90) || g.angleB >= Number(90)) {
        failed << Check::RightAngle;
    }
    if (!g.ab.isZero() && g.ac >= g.ab) {
        failed << Check::LegAC;
    }
    if (!g.ab.isZero() && g.bc >= g.ab) {
        failed << Check::LegBC;
    }
    return failed;
}

// √|c² − b²|, taken as √|(c − b)(c + b)| from the exact values.
Number otherLeg(const Number& c, const Number& b) {
    return common::sqrt(((c - b) * (c + b)).abs());
}

Number hypotenuse(const Number& b, const Number& a) {
    return common::sqrt(b * b + a * a);
}

// a ÷ tan t, where an undefined tangent (t = 90° + 180°k) gives the limit 0.
std::optional<Number> overTangent(const Number& a, const std::optional<Number>& tan) {
    return tan ? quotient(a, *tan) : std::optional<Number>(Number());
}

// a · tan t, infinite where the tangent is undefined.
std::optional<Number> timesTangent(const Number& a, const std::optional<Number>& tan) {
    return tan ? std::optional<Number>(a * *tan) : std::nullopt;
}

// The steps from one acute angle: from A, BC (a) is opposite it and AC (b) beside it; from B
// the two legs swap roles, so sine and cosine swap, and so do "times tan" and "over tan".
// From A, BC is taken from the absolute sine and tangent, so a negative A still gives a
// positive leg. AB (c) is the hypotenuse either way.
void solveFromAngle(const Number& angle, bool fromA, Value& a, Value& b, Value& c) {
    const auto sc = common::sinCos(angle, AngleUnit::Degrees);
    const auto tan = common::tan(angle, AngleUnit::Degrees);
    const Number& bcOverAb = fromA ? sc.sin : sc.cos;
    const Number& acOverAb = fromA ? sc.cos : sc.sin;
    if (!a.present()) {
        if (c.present()) {
            a.set(c.number * (fromA ? bcOverAb.abs() : bcOverAb));
        }
        if (b.present()) {
            if (fromA) {
                const auto product = timesTangent(b.number, tan);
                a.set(product ? std::optional<Number>(product->abs()) : std::nullopt);
            } else {
                a.set(overTangent(b.number, tan));
            }
        }
    }
    if (!c.present()) {
        if (a.present()) {
            c.set(quotient(a.number, bcOverAb));
        }
        if (b.present()) {
            c.set(quotient(b.number, acOverAb));
        }
    }
    if (!b.present()) {
        if (a.present()) {
            b.set(fromA ? overTangent(a.number, tan) : timesTangent(a.number, tan));
        }
        if (c.present()) {
            b.set(c.number * acOverAb);
        }
    }
}

} // namespace

TriangleSolution solveTriangle(const TriangleGivens& givens) {
    TriangleSolution solution;
    solution.failed = failedChecks(givens);
    if (!solution.failed.isEmpty()) {
        return solution;
    }

    Value A{givens.angleA};
    Value B{givens.angleB};
    Value c{givens.ab};
    Value b{givens.ac};
    Value a{givens.bc};

    if (a.present() && b.present() && !c.present()) {
        c.set(hypotenuse(b.number, a.number));
    }
    if (a.present() && c.present() && !b.present()) {
        b.set(otherLeg(c.number, a.number));
    }
    if (b.present() && c.present() && !a.present()) {
        a.set(otherLeg(c.number, b.number));
    }
    if (A.present()) {
        solveFromAngle(A.number, true, a, b, c);
    }
    if (B.present()) {
        solveFromAngle(B.number, false, a, b, c);
    }
    if (A.present() && !B.present()) {
        B.set(Number(90) - A.number);
    }
    if (B.present() && !A.present()) {
        A.set(Number(90) - B.number);
    }

    const std::array<const Value*, kTriangleValues> values{&A, &B, &c, &b, &a};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Value& value = *values[i];
        if (!value.present()) {
            continue;
        }
        const common::Outcome shown = common::shown(value.number);
        if (value.infinite || !shown.ok()) {
            return {{}, true, {}};
        }
        solution.values[i] = {shown.value, value.given ? Found::Given : Found::Computed};
    }
    return solution;
}

} // namespace geometry

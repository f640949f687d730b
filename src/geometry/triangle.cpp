#include "triangle.h"

#include "common/angles.h"

#include <cmath>

namespace geometry {

namespace {

// A value as the solver holds it: given by the user until a step computes it.
struct Value {
    double number = 0;
    bool given = true;

    bool present() const { return number != 0; }
    void set(double computed) {
        number = computed;
        given = false;
    }
    TriangleValue result() const {
        if (!present()) {
            return {};
        }
        return {number, given ? Found::Given : Found::Computed};
    }
};

QList<Check> failedChecks(const TriangleGivens& g) {
    QList<Check> failed;
    if (g.angleA != 0 && g.angleB != 0 && std::floor(g.angleA) + std::floor(g.angleB) > 90) {
        failed << Check::WholeDegrees;
    }
    if (g.angleA >= 90 || g.angleB >= 90) {
        failed << Check::RightAngle;
    }
    if (g.ab != 0 && g.ac >= g.ab) {
        failed << Check::LegAC;
    }
    if (g.ab != 0 && g.bc >= g.ab) {
        failed << Check::LegBC;
    }
    return failed;
}

// √|c² − b²|; when the squares leave the range (or vanish below it) the same value from
// halves that cannot.
double otherLeg(double c, double b) {
    const double plain = std::sqrt(std::fabs(c * c - b * b));
    if (std::isfinite(plain) && plain != 0) {
        return plain;
    }
    return 2 * std::sqrt(std::fabs(c / 2 - b / 2)) * std::sqrt(std::fabs(c / 2 + b / 2));
}

// √|b² + a²|, with the same retry.
double hypotenuse(double b, double a) {
    const double plain = std::sqrt(std::fabs(b * b + a * a));
    if (std::isfinite(plain) && plain != 0) {
        return plain;
    }
    return std::hypot(b, a);
}

double rad(double degrees) {
    return common::degreesToRadians(degrees);
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
        const double t = rad(A.number);
        if (!a.present()) {
            if (c.present()) {
                a.set(c.number * std::fabs(std::sin(t)));
            }
            if (b.present()) {
                a.set(b.number * std::fabs(std::tan(t)));
            }
        }
        if (!c.present()) {
            if (a.present()) {
                c.set(a.number / std::sin(t));
            }
            if (b.present()) {
                c.set(b.number / std::cos(t));
            }
        }
        if (!b.present()) {
            if (a.present()) {
                b.set(a.number / std::tan(t));
            }
            if (c.present()) {
                b.set(c.number * std::cos(t));
            }
        }
    }
    if (B.present()) {
        const double t = rad(B.number);
        if (!a.present()) {
            if (c.present()) {
                a.set(c.number * std::cos(t));
            }
            if (b.present()) {
                a.set(b.number / std::tan(t));
            }
        }
        if (!c.present()) {
            if (a.present()) {
                c.set(a.number / std::cos(t));
            }
            if (b.present()) {
                c.set(b.number / std::sin(t));
            }
        }
        if (!b.present()) {
            if (a.present()) {
                b.set(std::tan(t) * a.number);
            }
            if (c.present()) {
                b.set(c.number * std::sin(t));
            }
        }
    }
    if (A.present() && !B.present()) {
        B.set(90 - A.number);
    }
    if (B.present() && !A.present()) {
        A.set(90 - B.number);
    }

    const std::array<const Value*, kTriangleValues> values{&A, &B, &c, &b, &a};
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i]->number)) {
            return {{}, true, {}};
        }
        solution.values[i] = values[i]->result();
    }
    return solution;
}

} // namespace geometry

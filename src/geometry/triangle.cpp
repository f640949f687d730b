#include "triangle.h"

#include "common/angles.h"
#include "common/numtext.h"

#include <cmath>

namespace geometry {

namespace {

// A value as the solver holds it: the text it was typed as, until a step computes it.
struct Value {
    double number = 0;
    QString text; // empty once computed

    bool present() const { return number != 0; }
    void set(double computed) {
        number = computed;
        text.clear();
    }
    QString shown() const {
        if (!present()) {
            return kCannotFind;
        }
        return text.isEmpty() ? common::formatNumber(number) : text;
    }
};

Value given(const QString& text) {
    return {common::parseNumber(text).value_or(0), text};
}

// The number of a text the numeric check accepted.
double numberOf(const QString& text) {
    return common::parseNumber(text).value_or(0);
}

QStringList consistencyMessages(const TriangleGivens& g) {
    const double a = numberOf(g.angleA);
    const double b = numberOf(g.angleB);
    const double ab = numberOf(g.ab);
    QStringList messages;
    if (a != 0 && b != 0 && std::floor(a) + std::floor(b) > 90) {
        messages << kAngleSum;
    }
    if (a >= 90 || b >= 90) {
        messages << kAngleSum;
    }
    if (ab != 0 && numberOf(g.ac) >= ab) {
        messages << kHypotenuseAC + g.ab + g.ac;
    }
    if (ab != 0 && numberOf(g.bc) >= ab) {
        messages << kHypotenuseBC;
    }
    return messages;
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

TriangleAnswer solveTriangle(const TriangleGivens& givens) {
    TriangleAnswer answer{consistencyMessages(givens), {}};
    if (!answer.messages.isEmpty()) {
        return answer;
    }

    Value A = given(givens.angleA);
    Value B = given(givens.angleB);
    Value c = given(givens.ab);
    Value b = given(givens.ac);
    Value a;
    a.set(numberOf(givens.bc)); // BC is held as its number

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

    const Value* values[kTriangleValues] = {&A, &B, &c, &b, &a};
    for (const Value* value : values) {
        if (!std::isfinite(value->number)) {
            answer.messages << kTriangleOverflow;
            return answer;
        }
    }
    for (const Value* value : values) {
        answer.boxes << value->shown();
    }
    return answer;
}

} // namespace geometry

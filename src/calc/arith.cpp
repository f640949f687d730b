#include "arith.h"

#include "scimath.h"

namespace calc {

Outcome applyPending(const QString& code, double a, double b) {
    if (code == QLatin1String("+")) {
        return finite(a + b);
    }
    if (code == QLatin1String("-")) {
        return finite(a - b);
    }
    if (code == QLatin1String("*")) {
        return finite(a * b);
    }
    if (code == QLatin1String("/")) {
        if (b == 0) {
            return {0, Fault::DivisionByZero};
        }
        return finite(a / b);
    }
    if (code == QLatin1String("stp")) {
        return power(a, b);
    }
    if (code == QLatin1String("stpm")) {
        return reciprocalPower(a, b);
    }
    if (code == QLatin1String("sqry")) {
        return root(a, b);
    }
    return {b, Fault::None};
}

Outcome percentOf(const QString& code, double a, double b) {
    const Outcome share = finite(a / 100 * b);
    if (!share.ok()) {
        return share;
    }
    if (code == QLatin1String("+")) {
        return finite(a + share.value);
    }
    if (code == QLatin1String("-")) {
        return finite(a - share.value);
    }
    if (code == QLatin1String("/")) {
        if (share.value == 0) {
            return {0, Fault::DivisionByZero};
        }
        return finite(a / share.value);
    }
    return share;
}

} // namespace calc

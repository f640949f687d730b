#include "arith.h"

#include "scimath.h"

#include <cmath>

namespace calc {

QString faultMessage(Fault fault) {
    switch (fault) {
    case Fault::DivisionByZero:
        return QStringLiteral("На ноль делить нельзя!");
    case Fault::BadArgument:
        return QStringLiteral("Недопустимый аргумент функции!");
    case Fault::Overflow:
        return QStringLiteral("Переполнение!");
    case Fault::None:
        break;
    }
    return {};
}

Outcome finite(double value) {
    if (std::isfinite(value)) {
        return {value, Fault::None};
    }
    return {0, Fault::Overflow};
}

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

#include "arith.h"

#include "scimath.h"

namespace calc {

QString pendingSign(Pending operation) {
    switch (operation) {
    case Pending::Add:
        return QStringLiteral("+");
    case Pending::Subtract:
        return QStringLiteral("-");
    case Pending::Multiply:
        return QStringLiteral("*");
    case Pending::Divide:
        return QStringLiteral("/");
    default:
        return {};
    }
}

Outcome applyPending(Pending operation, double a, double b) {
    switch (operation) {
    case Pending::Add:
        return finite(a + b);
    case Pending::Subtract:
        return finite(a - b);
    case Pending::Multiply:
        return finite(a * b);
    case Pending::Divide:
        return b == 0 ? Outcome{0, Fault::DivisionByZero} : finite(a / b);
    case Pending::Power:
        return power(a, b);
    case Pending::ReciprocalPower:
        return reciprocalPower(a, b);
    case Pending::Root:
        return root(a, b);
    case Pending::None:
        break;
    }
    return {b, Fault::None};
}

Outcome percentOf(Pending operation, double a, double b) {
    const Outcome share = finite(a / 100 * b);
    if (!share.ok()) {
        return share;
    }
    switch (operation) {
    case Pending::Add:
        return finite(a + share.value);
    case Pending::Subtract:
        return finite(a - share.value);
    case Pending::Divide:
        return share.value == 0 ? Outcome{0, Fault::DivisionByZero} : finite(a / share.value);
    default:
        return share;
    }
}

} // namespace calc

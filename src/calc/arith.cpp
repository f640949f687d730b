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

Outcome applyPending(Pending operation, const Number& a, const Number& b) {
    using common::shown;
    switch (operation) {
    case Pending::Add:
        return shown(a + b);
    case Pending::Subtract:
        return shown(a - b);
    case Pending::Multiply:
        return shown(a * b);
    case Pending::Divide:
        return b.isZero() ? common::failed(Fault::DivisionByZero) : shown(a / b);
    case Pending::Power:
        return power(a, b);
    case Pending::Root:
        return root(a, b);
    case Pending::None:
        break;
    }
    return {b, Fault::None};
}

Outcome percentOf(Pending operation, const Number& a, const Number& b) {
    using common::shown;
    // The share is the value shown had "%" no operation to finish; the sum, difference or
    // quotient is taken with it exactly.
    const Number share = a / Number(100) * b;
    switch (operation) {
    case Pending::Add:
        return shown(a + share);
    case Pending::Subtract:
        return shown(a - share);
    case Pending::Divide:
        return share.isZero() ? common::failed(Fault::DivisionByZero) : shown(a / share);
    default:
        return shown(share);
    }
}

} // namespace calc

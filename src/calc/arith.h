#pragma once

#include <QString>

namespace calc {

// Why a computation has no result to show.
enum class Fault { None, DivisionByZero, BadArgument, Overflow };

// The calculator's message for a fault ("На ноль делить нельзя!" and the like).
QString faultMessage(Fault fault);

struct Outcome {
    double value = 0;
    Fault fault = Fault::None;

    bool ok() const { return fault == Fault::None; }
};

// A finite value, or an overflow when it left the double range.
Outcome finite(double value);

// The pending operation applied by "=": "+", "-", "*", "/", and the power and root codes.
// A code without an operation gives the second operand back.
Outcome applyPending(const QString& code, double a, double b);

// "%": the display value b taken as a percentage of a, then combined with a by the pending
// "+", "-" or "/"; any other code shows the percentage itself.
Outcome percentOf(const QString& code, double a, double b);

} // namespace calc

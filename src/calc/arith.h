#pragma once

#include "common/outcome.h"

#include <QString>

namespace calc {

using common::Fault;
using common::Number;
using common::Outcome;

// The calculator's one pending two-operand operation.
enum class Pending { None, Add, Subtract, Multiply, Divide, Power, Root };

// The sign the operation line shows for one of the four operators; empty for the others.
QString pendingSign(Pending operation);

// The pending operation applied by "=". No operation gives the second operand back.
Outcome applyPending(Pending operation, const Number& a, const Number& b);

// "%": the display value b taken as a percentage of a, then combined with a by the pending
// "+", "-" or "/"; any other operation shows the percentage itself.
Outcome percentOf(Pending operation, const Number& a, const Number& b);

} // namespace calc

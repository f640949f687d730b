#pragma once

#include "common/outcome.h"

#include <QString>

namespace calc {

using common::Fault;
using common::Outcome;

// The pending operation applied by "=": "+", "-", "*", "/", and the power and root codes.
// A code without an operation gives the second operand back.
Outcome applyPending(const QString& code, double a, double b);

// "%": the display value b taken as a percentage of a, then combined with a by the pending
// "+", "-" or "/"; any other code shows the percentage itself.
Outcome percentOf(const QString& code, double a, double b);

} // namespace calc

#pragma once

#include "common/outcome.h"

// Common fractions apart from the window: the four operations by the schoolbook rule on the
// parts exactly as typed, the reduction of the result to lowest terms and its decimal value.
namespace fractions {

using common::Number;

struct Fraction {
    Number numerator;
    Number denominator;
};

enum class Operation { Add, Subtract, Multiply, Divide };

struct Result {
    Fraction fraction; // reduced, each part as it is shown
    Number decimal;
    common::Fault fault = common::Fault::None; // when not None, nothing else holds

    bool ok() const { return fault == common::Fault::None; }
};

// a/b with c/d, both denominators non-zero. Addition and subtraction keep b when b equals d
// (as numbers) and otherwise go over b·d; multiplication gives a·c / b·d, division a·d / b·c.
// The result is reduced. Dividing by a zero numerator is a division by zero. A part or a
// decimal value that cannot be shown is an overflow: beyond the range, a non-zero part too
// small to show, or a whole part of more than 15 digits (it would not be shown exactly).
Result calculate(Operation operation, const Fraction& first, const Fraction& second);

} // namespace fractions

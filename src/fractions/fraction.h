#pragma once

#include "common/outcome.h"

// Common fractions apart from the window: the four operations by the schoolbook rule, the
// reduction of the result to lowest terms and its decimal value.
namespace fractions {

struct Fraction {
    double numerator = 0;
    double denominator = 0;
};

enum class Operation { Add, Subtract, Multiply, Divide };

// Divides both parts by their greatest common divisor when both are whole numbers of at most
// 2^53 in magnitude; otherwise the fraction stays as it is. Signs stay where they are.
Fraction reduced(Fraction fraction);

struct Result {
    Fraction fraction; // reduced
    double decimal = 0;
    common::Fault fault = common::Fault::None; // when not None, nothing else holds

    bool ok() const { return fault == common::Fault::None; }
};

// a/b with c/d, both denominators non-zero. Addition and subtraction keep b when b equals d
// (as numbers) and otherwise go over b·d; multiplication gives a·c / b·d, division a·d / b·c.
// The result is reduced. Dividing by a zero numerator is a division by zero; a result beyond
// the double range an overflow.
Result calculate(Operation operation, Fraction first, Fraction second);

} // namespace fractions

#pragma once

#include "number.h"

// What a computation ends with: a value to show, or the fault the window reports instead.
namespace common {

enum class Fault { None, DivisionByZero, BadArgument, Overflow };

struct Outcome {
    Number value;
    Fault fault = Fault::None;

    bool ok() const { return fault == Fault::None; }
};

inline Outcome failed(Fault fault) {
    return {Number(), fault};
}

// A result as it is shown: an overflow when its magnitude is beyond 1,79769313486232E+308,
// exactly 0 when it is below the smallest positive double, otherwise the value itself. Values
// on the way to a result are never judged.
Outcome shown(const Number& value);

} // namespace common

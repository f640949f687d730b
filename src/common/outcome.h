#pragma once

#include <cmath>

// What a computation ends with: a value to show, or the fault the window reports instead.
namespace common {

enum class Fault { None, DivisionByZero, BadArgument, Overflow };

struct Outcome {
    double value = 0;
    Fault fault = Fault::None;

    bool ok() const { return fault == Fault::None; }
};

// A finite value, or an overflow when it left the double range.
inline Outcome finite(double value) {
    return std::isfinite(value) ? Outcome{value, Fault::None} : Outcome{0, Fault::Overflow};
}

} // namespace common

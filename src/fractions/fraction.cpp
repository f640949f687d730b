#include "fraction.h"

#include <cmath>
#include <cstdint>
#include <numeric>

namespace fractions {

namespace {

constexpr double kLargestWhole = 9007199254740992.0; // 2^53: every whole number up to it is exact

bool isWhole(double value) {
    return std::abs(value) <= kLargestWhole && std::trunc(value) == value;
}

Fraction combined(Operation operation, Fraction first, Fraction second) {
    const double a = first.numerator;
    const double b = first.denominator;
    const double c = second.numerator;
    const double d = second.denominator;
    switch (operation) {
    case Operation::Add:
        return b == d ? Fraction{a + c, b} : Fraction{a * d + c * b, b * d};
    case Operation::Subtract:
        return b == d ? Fraction{a - c, b} : Fraction{a * d - c * b, b * d};
    case Operation::Multiply:
        return {a * c, b * d};
    case Operation::Divide:
        return {a * d, b * c};
    }
    return {};
}

Result refusal(common::Fault fault) {
    return {{}, 0, fault};
}

} // namespace

Fraction reduced(Fraction fraction) {
    if (!isWhole(fraction.numerator) || !isWhole(fraction.denominator)) {
        return fraction;
    }
    const auto numerator = static_cast<std::int64_t>(fraction.numerator);
    const auto denominator = static_cast<std::int64_t>(fraction.denominator);
    const std::int64_t divisor = std::gcd(numerator, denominator);
    if (divisor <= 1) {
        return fraction;
    }
    return {static_cast<double>(numerator / divisor), static_cast<double>(denominator / divisor)};
}

Result calculate(Operation operation, Fraction first, Fraction second) {
    if (operation == Operation::Divide && second.numerator == 0) {
        return refusal(common::Fault::DivisionByZero);
    }
    const Fraction result = reduced(combined(operation, first, second));
    const double decimal = result.numerator / result.denominator;
    // A denominator too small for a double comes out as zero: its quotient is beyond the
    // range as well.
    if (!std::isfinite(result.numerator) || !std::isfinite(result.denominator) ||
        !std::isfinite(decimal)) {
        return refusal(common::Fault::Overflow);
    }
    return {result, decimal, common::Fault::None};
}

} // namespace fractions

#include "fraction.h"

#include <gmpxx.h>
#include <optional>

namespace fractions {

namespace {

using common::Fault;

Fraction combined(Operation operation, const Fraction& first, const Fraction& second) {
    const Number& a = first.numerator;
    const Number& b = first.denominator;
    const Number& c = second.numerator;
    const Number& d = second.denominator;
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

// The largest whole part shown: 15 digits.
const Number& largestWhole() {
    static const Number value(999'999'999'999'999LL);
    return value;
}

// A part as it is shown, or nothing when it cannot be.
std::optional<Number> shownPart(const Number& part) {
    const common::Outcome shown = common::shown(part);
    if (!shown.ok() || (shown.value.isZero() && !part.isZero())) {
        return std::nullopt;
    }
    if (part.isInteger() && part.abs() > largestWhole()) {
        return std::nullopt;
    }
    return shown.value;
}

Result refusal(Fault fault) {
    return {{}, {}, fault};
}

// Divides both parts by their greatest common divisor when both are whole numbers, whatever
// their size; otherwise the fraction stays as it is. Signs stay where they are.
Fraction reduced(const Fraction& fraction) {
    if (!fraction.numerator.isInteger() || !fraction.denominator.isInteger() ||
        fraction.denominator.isZero()) {
        return fraction;
    }
    mpz_class divisor;
    mpz_gcd(divisor.get_mpz_t(), fraction.numerator.rational().get_num_mpz_t(),
            fraction.denominator.rational().get_num_mpz_t());
    if (divisor <= 1) {
        return fraction;
    }
    const Number by = Number::fromRational(mpq_class(divisor));
    return {fraction.numerator / by, fraction.denominator / by};
}

} // namespace

Result calculate(Operation operation, const Fraction& first, const Fraction& second) {
    if (operation == Operation::Divide && second.numerator.isZero()) {
        return refusal(Fault::DivisionByZero);
    }
    const Fraction result = reduced(combined(operation, first, second));
    const auto numerator = shownPart(result.numerator);
    const auto denominator = shownPart(result.denominator);
    const common::Outcome decimal = common::shown(result.numerator / result.denominator);
    if (!numerator || !denominator || !decimal.ok()) {
        return refusal(Fault::Overflow);
    }
    return {{*numerator, *denominator}, decimal.value, Fault::None};
}

} // namespace fractions

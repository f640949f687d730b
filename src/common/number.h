#pragma once

#include "common/real.h"

#include <QMetaType>
#include <compare>
#include <concepts>
#include <cstddef>
#include <gmpxx.h>
#include <variant>

// The suite's one number: the exact value of what the user typed and of everything computed
// from it by + − × ÷ and whole powers, or, once a result cannot be exact (a root, a
// logarithm, π) or would grow too large, an approximation far finer than the 15 digits shown.
namespace common {

// Largest exact value kept, as the bits of its numerator and denominator together. A result
// beyond it continues as an approximation, so that chains such as x² pressed forty times
// stay small and fast.
inline constexpr std::size_t kExactBits = 8192;

class Number {
public:
    Number() = default; // exact 0
    Number(long long value);
    // A double is not a typed number: fromDouble says when its binary value is meant.
    template <std::floating_point T> Number(T) = delete;

    // The exact binary value of a finite double (for the drawing code).
    static Number fromDouble(double value);
    // numerator ÷ denominator, exactly; the denominator is not 0.
    static Number ratio(long long numerator, long long denominator);
    // An exact value given in lowest terms; beyond kExactBits it becomes an approximation.
    static Number fromRational(mpq_class value);
    static Number fromReal(Real value);

    bool isExact() const { return std::holds_alternative<mpq_class>(value_); }
    // The exact value; only when isExact().
    const mpq_class& rational() const { return std::get<mpq_class>(value_); }
    // The approximation; only when !isExact().
    const Real& real() const { return std::get<Real>(value_); }
    // The value rounded to nearest at the given precision, whichever form it has.
    Real toReal(mpfr_prec_t precision = kPrecision) const;

    // -1, 0 or 1 (0 also for the not-a-number that ∞ − ∞ leaves).
    int sign() const;
    bool isZero() const;
    // An exact whole number.
    bool isInteger() const;
    // Every exact value; an approximation unless it overflowed even MPFR's range.
    bool isFinite() const;
    Number abs() const { return sign() < 0 ? -*this : *this; }
    // The nearest double, ±inf beyond its range: for drawing only, never for results.
    double toDouble() const;

    Number operator-() const;
    friend Number operator+(const Number& a, const Number& b);
    friend Number operator-(const Number& a, const Number& b);
    friend Number operator*(const Number& a, const Number& b);
    // The divisor is not zero, exact or approximate: the caller reports that case.
    friend Number operator/(const Number& a, const Number& b);

    // Values compared exactly, an exact one with an approximate one too; the not-a-number
    // compares unordered with everything.
    friend bool operator==(const Number& a, const Number& b);
    friend std::partial_ordering operator<=>(const Number& a, const Number& b);

private:
    std::variant<mpq_class, Real> value_;
};

} // namespace common

Q_DECLARE_METATYPE(common::Number)

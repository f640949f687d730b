#include "number.h"

#include <QtGlobal>
#include <climits>
#include <cmath>
#include <utility>

namespace common {

namespace {

// A long long as a GMP integer, also where long is 32 bits wide.
mpz_class wholeOf(long long value) {
    if (value >= LONG_MIN && value <= LONG_MAX) {
        return mpz_class(static_cast<long>(value));
    }
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    mpz_class result(static_cast<unsigned long>(magnitude >> 32));
    result <<= 32;
    result += static_cast<unsigned long>(magnitude & 0xFFFFFFFFULL);
    return negative ? mpz_class(-result) : result;
}

Number approximation(int (*compute)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t), const Real& a,
                     const Real& b) {
    Real result;
    compute(result.get(), a.get(), b.get(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

Number withRational(int (*compute)(mpfr_ptr, mpfr_srcptr, mpq_srcptr, mpfr_rnd_t), const Real& a,
                    const mpq_class& b) {
    Real result;
    compute(result.get(), a.get(), b.get_mpq_t(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

} // namespace

Number::Number(long long value) : value_(mpq_class(wholeOf(value))) {}

Number Number::fromDouble(double value) {
    Q_ASSERT(std::isfinite(value));
    return fromRational(mpq_class(value)); // mpq_set_d is exact
}

Number Number::ratio(long long numerator, long long denominator) {
    Q_ASSERT(denominator != 0);
    mpq_class value(wholeOf(numerator), wholeOf(denominator));
    value.canonicalize();
    return fromRational(std::move(value));
}

Number Number::fromRational(mpq_class value) {
    Number result;
    const std::size_t bits =
        mpz_sizeinbase(value.get_num_mpz_t(), 2) + mpz_sizeinbase(value.get_den_mpz_t(), 2);
    if (bits <= kExactBits) {
        result.value_ = std::move(value);
    } else {
        Real approximate;
        mpfr_set_q(approximate.get(), value.get_mpq_t(), MPFR_RNDN);
        result.value_ = std::move(approximate);
    }
    return result;
}

Number Number::fromReal(Real value) {
    Number result;
    result.value_ = std::move(value);
    return result;
}

Real Number::toReal(mpfr_prec_t precision) const {
    Real result(precision);
    if (isExact()) {
        mpfr_set_q(result.get(), rational().get_mpq_t(), MPFR_RNDN);
    } else {
        mpfr_set(result.get(), real().get(), MPFR_RNDN);
    }
    return result;
}

int Number::sign() const {
    return isExact() ? sgn(rational()) : mpfr_sgn(real().get());
}

bool Number::isZero() const {
    return isExact() ? sgn(rational()) == 0 : mpfr_zero_p(real().get()) != 0;
}

bool Number::isInteger() const {
    return isExact() && rational().get_den() == 1;
}

bool Number::isFinite() const {
    return isExact() || mpfr_number_p(real().get()) != 0;
}

double Number::toDouble() const {
    return mpfr_get_d(toReal().get(), MPFR_RNDN);
}

Number Number::operator-() const {
    if (isExact()) {
        return fromRational(-rational());
    }
    Real result(real());
    mpfr_neg(result.get(), result.get(), MPFR_RNDN);
    return fromReal(std::move(result));
}

Number operator+(const Number& a, const Number& b) {
    if (a.isExact() && b.isExact()) {
        return Number::fromRational(a.rational() + b.rational());
    }
    if (a.isExact()) {
        return withRational(mpfr_add_q, b.real(), a.rational());
    }
    if (b.isExact()) {
        return withRational(mpfr_add_q, a.real(), b.rational());
    }
    return approximation(mpfr_add, a.real(), b.real());
}

Number operator-(const Number& a, const Number& b) {
    if (a.isExact() && b.isExact()) {
        return Number::fromRational(a.rational() - b.rational());
    }
    if (b.isExact()) {
        return withRational(mpfr_sub_q, a.real(), b.rational());
    }
    if (a.isExact()) {
        return -withRational(mpfr_sub_q, b.real(), a.rational()); // −(b − a), one rounding
    }
    return approximation(mpfr_sub, a.real(), b.real());
}

Number operator*(const Number& a, const Number& b) {
    if (a.isExact() && b.isExact()) {
        return Number::fromRational(a.rational() * b.rational());
    }
    if ((a.isExact() && a.isZero()) || (b.isExact() && b.isZero())) {
        return Number(); // an exact zero times anything is exactly zero
    }
    if (a.isExact()) {
        return withRational(mpfr_mul_q, b.real(), a.rational());
    }
    if (b.isExact()) {
        return withRational(mpfr_mul_q, a.real(), b.rational());
    }
    return approximation(mpfr_mul, a.real(), b.real());
}

Number operator/(const Number& a, const Number& b) {
    Q_ASSERT(!b.isZero());
    if (a.isExact() && b.isExact()) {
        return Number::fromRational(a.rational() / b.rational());
    }
    if (a.isExact() && a.isZero()) {
        return Number();
    }
    if (b.isExact()) {
        return withRational(mpfr_div_q, a.real(), b.rational());
    }
    // An exact dividend is taken with 64 bits to spare, so the quotient is all but
    // correctly rounded.
    const Real dividend = a.isExact() ? a.toReal(kPrecision + 64) : a.real();
    return approximation(mpfr_div, dividend, b.real());
}

std::partial_ordering operator<=>(const Number& a, const Number& b) {
    if (!a.isExact() && mpfr_nan_p(a.real().get())) {
        return std::partial_ordering::unordered;
    }
    if (!b.isExact() && mpfr_nan_p(b.real().get())) {
        return std::partial_ordering::unordered;
    }
    int order = 0;
    if (a.isExact() && b.isExact()) {
        order = cmp(a.rational(), b.rational());
    } else if (a.isExact()) {
        order = -mpfr_cmp_q(b.real().get(), a.rational().get_mpq_t());
    } else if (b.isExact()) {
        order = mpfr_cmp_q(a.real().get(), b.rational().get_mpq_t());
    } else {
        order = mpfr_cmp(a.real().get(), b.real().get());
    }
    return order <=> 0;
}

bool operator==(const Number& a, const Number& b) {
    return (a <=> b) == 0;
}

} // namespace common

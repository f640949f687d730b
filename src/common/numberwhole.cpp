// Whole numbers: floor, and whether an approximation counts as a whole number.
#include "numberfunctions.h"

#include "numberdetail.h"

namespace common {

bool detail::nearWhole(mpfr_srcptr x, Real& whole) {
    mpfr_rint(whole.get(), x, MPFR_RNDN);
    Real gap;
    mpfr_sub(gap.get(), x, whole.get(), MPFR_RNDN); // exact: the bits below the units
    Real limit;
    mpfr_mul_2si(limit.get(), x, -kNearBits, MPFR_RNDN);
    return mpfr_cmpabs(gap.get(), limit.get()) <= 0;
}

Number floor(const Number& x) {
    if (x.isExact()) {
        mpz_class whole;
        mpz_fdiv_q(whole.get_mpz_t(), x.rational().get_num_mpz_t(), x.rational().get_den_mpz_t());
        return Number::fromRational(mpq_class(whole));
    }
    mpfr_srcptr value = x.real().get();
    if (!mpfr_number_p(value)) {
        return x;
    }
    Real whole;
    if (!detail::nearWhole(value, whole)) {
        mpfr_floor(whole.get(), value);
    }
    if (!mpfr_zero_p(whole.get()) &&
        mpfr_get_exp(whole.get()) > static_cast<mpfr_exp_t>(kExactBits)) {
        return Number::fromReal(std::move(whole)); // too large to be exact
    }
    mpz_class exact;
    mpfr_get_z(exact.get_mpz_t(), whole.get(), MPFR_RNDN);
    return Number::fromRational(mpq_class(exact));
}

Wholeness wholeness(const Number& x) {
    if (x.isExact()) {
        if (!x.isInteger()) {
            return Wholeness::NotWhole;
        }
        return mpz_odd_p(x.rational().get_num_mpz_t()) ? Wholeness::Odd : Wholeness::Even;
    }
    Real whole;
    if (!mpfr_number_p(x.real().get()) || !detail::nearWhole(x.real().get(), whole)) {
        return Wholeness::NotWhole;
    }
    mpfr_div_2ui(whole.get(), whole.get(), 1, MPFR_RNDN); // exact
    return mpfr_integer_p(whole.get()) ? Wholeness::Even : Wholeness::Odd;
}

} // namespace common

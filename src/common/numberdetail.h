#pragma once

#include "common/number.h"

#include <algorithm>
#include <utility>

// What the function files share: handing Numbers to MPFR and back.
namespace common::detail {

// Bits to spare when an exact argument is rounded for MPFR, so that the function's own
// rounding is the one that counts.
inline constexpr mpfr_prec_t kGuardBits = 64;
// The most bits added to an argument for the sake of an ill-conditioned function.
inline constexpr long kMostExtraBits = 4 * static_cast<long>(kExactBits);
// A full turn in degrees, for MPFR's functions of angles in units.
inline constexpr unsigned long kFullTurn = 360;

// About log2 |q|, within one; 0 for zero.
inline long binaryMagnitude(const mpq_class& q) {
    if (sgn(q) == 0) {
        return 0;
    }
    return static_cast<long>(mpz_sizeinbase(q.get_num_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(q.get_den_mpz_t(), 2));
}

// About log2 |x|, within one; 0 for zero and for what is not a finite number.
inline long binaryMagnitude(const Number& x) {
    if (x.isExact()) {
        return binaryMagnitude(x.rational());
    }
    mpfr_srcptr value = x.real().get();
    return mpfr_regular_p(value) ? static_cast<long>(mpfr_get_exp(value)) : 0;
}

// x as an MPFR argument: an exact x rounded with kGuardBits and extraBits to spare (for a
// function that magnifies its argument's error), an approximation as it is.
inline Real argument(const Number& x, long extraBits = 0) {
    if (!x.isExact()) {
        return x.real();
    }
    const long extra = std::clamp(extraBits, 0L, kMostExtraBits);
    return x.toReal(kPrecision + kGuardBits + static_cast<mpfr_prec_t>(extra));
}

// f(x) by an MPFR function, rounded to the working precision.
template <typename Function> Number compute(Function function, const Real& x) {
    Real result;
    function(result.get(), x.get(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

// Whether an approximation lies within kNearBits of a whole number; that number in whole.
bool nearWhole(mpfr_srcptr x, Real& whole);

} // namespace common::detail

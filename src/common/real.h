#pragma once

#include <mpfr.h>

// One MPFR value that owns its storage: the form every approximation of the suite takes.
namespace common {

// Working precision of every approximation, in bits (about 77 decimal digits).
inline constexpr mpfr_prec_t kPrecision = 256;

// Gives this thread MPFR's widest exponent range, once, so that no value on the way to a
// result overflows or underflows: only a value beyond about 2^(2^62) becomes infinite.
inline void widenExponentRange() {
    thread_local const bool widened = [] {
        mpfr_set_emax(mpfr_get_emax_max());
        mpfr_set_emin(mpfr_get_emin_min());
        return true;
    }();
    (void)widened;
}

class Real {
public:
    // A zero of the given precision.
    explicit Real(mpfr_prec_t precision = kPrecision) {
        widenExponentRange();
        mpfr_init2(value_, precision);
        mpfr_set_zero(value_, 1);
    }
    Real(const Real& other) {
        mpfr_init2(value_, mpfr_get_prec(other.value_));
        mpfr_set(value_, other.value_, MPFR_RNDN); // same precision: exact
    }
    Real(Real&& other) noexcept {
        mpfr_init2(value_, mpfr_get_prec(other.value_));
        mpfr_swap(value_, other.value_);
    }
    Real& operator=(const Real& other) {
        if (this != &other) {
            mpfr_set_prec(value_, mpfr_get_prec(other.value_));
            mpfr_set(value_, other.value_, MPFR_RNDN);
        }
        return *this;
    }
    Real& operator=(Real&& other) noexcept {
        mpfr_swap(value_, other.value_);
        return *this;
    }
    ~Real() { mpfr_clear(value_); }

    mpfr_ptr get() { return value_; }
    mpfr_srcptr get() const { return value_; }

private:
    mpfr_t value_;
};

} // namespace common

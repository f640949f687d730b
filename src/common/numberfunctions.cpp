// Constants, roots, powers, exponentials and the logarithm. Floor and the whole-number
// tests are in numberwhole.cpp, trigonometry in numbertrig.cpp and numberarc.cpp.
#include "numberfunctions.h"

#include "numberdetail.h"

#include <QtGlobal>
#include <climits>

namespace common {

using detail::argument;
using detail::binaryMagnitude;
using detail::compute;
using detail::kGuardBits;

const Number& pi() {
    static const Number value = [] {
        Real result;
        mpfr_const_pi(result.get(), MPFR_RNDN);
        return Number::fromReal(std::move(result));
    }();
    return value;
}

const Number& e() {
    static const Number value = [] {
        Real one;
        mpfr_set_ui(one.get(), 1, MPFR_RNDN);
        return compute(mpfr_exp, one);
    }();
    return value;
}

namespace {

std::size_t bitsOf(const mpz_class& z) {
    return mpz_sizeinbase(z.get_mpz_t(), 2);
}

// The degree-th root of q when its numerator and denominator are both perfect powers.
std::optional<mpq_class> exactRoot(const mpq_class& q, unsigned long degree) {
    const mpz_class& num = q.get_num();
    const mpz_class& den = q.get_den();
    if (degree > std::max(bitsOf(num), bitsOf(den))) {
        // Only 0 and ±1 are powers of a degree beyond their size (-1 of odd degrees).
        const bool trivial = den == 1 && abs(num) <= 1 && (num >= 0 || degree % 2 == 1);
        return trivial ? std::optional<mpq_class>(q) : std::nullopt;
    }
    if (num < 0 && degree % 2 == 0) {
        return std::nullopt;
    }
    mpz_class top;
    mpz_class bottom;
    if (mpz_root(top.get_mpz_t(), num.get_mpz_t(), degree) == 0 ||
        mpz_root(bottom.get_mpz_t(), den.get_mpz_t(), degree) == 0) {
        return std::nullopt;
    }
    return mpq_class(top, bottom); // roots of coprime parts stay coprime
}

// x^k for a whole k: exact while the result stays within kExactBits, else by MPFR.
Number wholePower(const Number& x, const mpz_class& k) {
    if (k == 0) {
        return Number(1);
    }
    if (x.isExact()) {
        const mpq_class& q = x.rational();
        const mpz_class& num = q.get_num();
        const mpz_class& den = q.get_den();
        if (num == 0 && k > 0) {
            return Number();
        }
        if (den == 1 && abs(num) == 1) {
            return Number(num < 0 && mpz_odd_p(k.get_mpz_t()) ? -1 : 1);
        }
        // A lower estimate of the result's size, judged before anything is computed.
        const std::size_t growth = bitsOf(num) - 1 + bitsOf(den) - 1;
        if (num != 0 && mpz_cmpabs_ui(k.get_mpz_t(), kExactBits) <= 0 &&
            mpz_get_ui(k.get_mpz_t()) * growth <= kExactBits) {
            const unsigned long e = mpz_get_ui(k.get_mpz_t()); // |k|
            mpq_class result;
            mpz_pow_ui(result.get_num_mpz_t(), num.get_mpz_t(), e);
            mpz_pow_ui(result.get_den_mpz_t(), den.get_mpz_t(), e);
            return Number::fromRational(k > 0 ? result : mpq_class(1 / result));
        }
    }
    // The base is rounded with as many bits to spare as the power magnifies its error.
    const Real base = argument(x, static_cast<long>(bitsOf(k)));
    Real result;
    mpfr_pow_z(result.get(), base.get(), k.get_mpz_t(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

} // namespace

Number sqrt(const Number& x) {
    Q_ASSERT(x.sign() >= 0);
    if (x.isExact()) {
        if (const auto root = exactRoot(x.rational(), 2)) {
            return Number::fromRational(*root);
        }
    }
    return compute(mpfr_sqrt, argument(x));
}

Number root(const Number& x, const Number& n) {
    Q_ASSERT(!n.isZero());
    std::optional<long> degree;
    if (n.isInteger() && n.rational().get_num().fits_slong_p()) {
        degree = n.rational().get_num().get_si();
    } else if (!n.isExact()) {
        Real whole;
        if (detail::nearWhole(n.real().get(), whole) && mpfr_fits_slong_p(whole.get(), MPFR_RNDN)) {
            degree = mpfr_get_si(whole.get(), MPFR_RNDN);
        }
    }
    if (degree && *degree != LONG_MIN) {
        const unsigned long k = static_cast<unsigned long>(*degree < 0 ? -*degree : *degree);
        if (x.isExact() && n.isExact()) {
            const auto exact = exactRoot(x.rational(), k);
            if (exact && (*degree > 0 || *exact != 0)) {
                const Number value = Number::fromRational(*exact);
                return *degree < 0 ? Number(1) / value : value;
            }
        }
        Real rootValue(kPrecision + kGuardBits);
        mpfr_rootn_ui(rootValue.get(), argument(x).get(), k, MPFR_RNDN);
        Real result;
        if (*degree < 0) {
            mpfr_ui_div(result.get(), 1, rootValue.get(), MPFR_RNDN);
        } else {
            mpfr_set(result.get(), rootValue.get(), MPFR_RNDN);
        }
        return Number::fromReal(std::move(result));
    }
    // Any other degree: |x|^(1/n), with the sign of x (x < 0 only for a huge odd n).
    Real inverse(kPrecision + kGuardBits);
    if (n.isExact()) {
        const mpq_class reciprocal = 1 / n.rational();
        mpfr_set_q(inverse.get(), reciprocal.get_mpq_t(), MPFR_RNDN);
    } else {
        mpfr_ui_div(inverse.get(), 1, n.real().get(), MPFR_RNDN);
    }
    Real result;
    mpfr_pow(result.get(), argument(x.abs()).get(), inverse.get(), MPFR_RNDN);
    const Number magnitude = Number::fromReal(std::move(result));
    return x.sign() < 0 ? -magnitude : magnitude;
}

Number pow(const Number& x, const Number& y) {
    if (y.isInteger()) {
        return wholePower(x, y.rational().get_num());
    }
    Real exponent = argument(y);
    Real whole;
    if (x.sign() < 0 && !y.isExact() && !mpfr_integer_p(exponent.get()) &&
        detail::nearWhole(exponent.get(), whole)) {
        exponent = whole; // a negative base takes a whole power only
    }
    const long magnify = binaryMagnitude(y);
    Real result;
    mpfr_pow(result.get(), argument(x, magnify).get(), exponent.get(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

Number exp(const Number& x) {
    return x.isExact() && x.isZero() ? Number(1) : compute(mpfr_exp, argument(x));
}

Number ln(const Number& x) {
    Q_ASSERT(x.sign() > 0);
    if (!x.isExact()) {
        return compute(mpfr_log, x.real());
    }
    const mpq_class offset = x.rational() - 1;
    if (offset == 0) {
        return Number();
    }
    // Near 1 the logarithm is about x - 1: x needs the bits that the subtraction cancels.
    return compute(mpfr_log, argument(x, -binaryMagnitude(offset) + 1));
}

Number exp2(const Number& x) {
    if (x.isInteger() && mpz_cmpabs_ui(x.rational().get_num_mpz_t(), kExactBits) <= 0) {
        return wholePower(Number(2), x.rational().get_num());
    }
    return compute(mpfr_exp2, argument(x));
}

Number exp10(const Number& x) {
    if (x.isInteger() && mpz_cmpabs_ui(x.rational().get_num_mpz_t(), kExactBits) <= 0) {
        return wholePower(Number(10), x.rational().get_num());
    }
    return compute(mpfr_exp10, argument(x));
}

Number powPi(const Number& x) {
    if (x.isExact() && x.isZero()) {
        return Number(1);
    }
    const long magnify = binaryMagnitude(x);
    Real base(kPrecision + kGuardBits + std::clamp(magnify, 0L, detail::kMostExtraBits));
    mpfr_const_pi(base.get(), MPFR_RNDN);
    Real result;
    mpfr_pow(result.get(), base.get(), argument(x).get(), MPFR_RNDN);
    return Number::fromReal(std::move(result));
}

} // namespace common

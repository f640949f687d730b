// Writing numbers: the 15 significant digits the suite shows, rounded from the exact value.
#include "numtext.h"

#include <QtGlobal>
#include <cmath>
#include <cstdlib>
#include <string>

namespace common {

namespace {

constexpr int kShownDigits = 15;

// An approximation within this relative distance (2^-200) of a rounding half counts as the
// half: its own error is about 2^-250, so it cannot tell such a value from the half, and
// the half is what exact arithmetic would most likely have met (as in (√x)² for a typed x).
constexpr unsigned long kHalfToleranceBits = 200;

// Approximations whose binary exponent lies beyond this are far outside the shown range;
// they are written from MPFR's own decimal digits rather than as exact fractions.
constexpr mpfr_exp_t kExactFormatExponent = 1L << 16;

// A positive value's first 15 digits after rounding, and the decimal exponent of the first.
struct Digits {
    std::string text;
    long exponent = 0;
};

mpz_class powerOfTen(long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// Rounds num/den > 0 to 15 significant digits, half away from zero.
Digits roundedDigits(const mpz_class& num, const mpz_class& den, bool approximate) {
    static const mpz_class lowest = powerOfTen(kShownDigits - 1);
    static const mpz_class beyond = powerOfTen(kShownDigits);
    // log2 of the value lies within one of this difference: a first guess at the exponent.
    const double bits = static_cast<double>(mpz_sizeinbase(num.get_mpz_t(), 2)) -
                        static_cast<double>(mpz_sizeinbase(den.get_mpz_t(), 2));
    long exponent = std::lround(std::floor(bits * 0.30102999566398120));
    for (;;) {
        const long shift = kShownDigits - 1 - exponent;
        mpz_class scaled = num;
        mpz_class divisor = den;
        if (shift >= 0) {
            scaled *= powerOfTen(shift);
        } else {
            divisor *= powerOfTen(-shift);
        }
        mpz_class whole;
        mpz_class rest;
        mpz_fdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), scaled.get_mpz_t(), divisor.get_mpz_t());
        if (whole >= beyond) {
            ++exponent;
            continue;
        }
        if (whole < lowest) {
            --exponent;
            continue;
        }
        const mpz_class twice = rest * 2;
        bool up = twice >= divisor;
        if (!up && approximate) {
            // |2·rest − divisor| / (2·divisor) within 2^-200 of scaled / divisor
            const mpz_class gap = mpz_class(divisor - twice) << kHalfToleranceBits;
            up = gap <= 2 * scaled;
        }
        if (up) {
            ++whole;
            if (whole == beyond) {
                whole = lowest;
                ++exponent;
            }
        }
        return {whole.get_str(), exponent};
    }
}

Digits digitsOf(const Number& value) {
    if (value.isExact()) {
        const mpq_class& q = value.rational();
        return roundedDigits(abs(q.get_num()), q.get_den(), false);
    }
    mpfr_srcptr x = value.real().get();
    const mpfr_exp_t binaryExponent = mpfr_get_exp(x);
    if (binaryExponent > kExactFormatExponent || binaryExponent < -kExactFormatExponent) {
        mpfr_exp_t decimalExponent = 0;
        char* text = mpfr_get_str(nullptr, &decimalExponent, 10, kShownDigits, x, MPFR_RNDN);
        Digits digits{std::string(text[0] == '-' ? text + 1 : text), decimalExponent - 1};
        mpfr_free_str(text);
        return digits;
    }
    mpz_class mantissa;
    const mpfr_exp_t scale = mpfr_get_z_2exp(mantissa.get_mpz_t(), x);
    mantissa = abs(mantissa);
    mpz_class denominator(1);
    if (scale >= 0) {
        mantissa <<= static_cast<mp_bitcnt_t>(scale);
    } else {
        denominator <<= static_cast<mp_bitcnt_t>(-scale);
    }
    return roundedDigits(mantissa, denominator, true);
}

// Lays out rounded digits as %.15G does, with a decimal comma and the exponent as "E+15".
QString layout(bool negative, std::string digits, long exponent) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent >= kShownDigits) {
        text += digits.front();
        if (digits.size() > 1) {
            text += ',';
            text += digits.substr(1);
        }
        const std::string power = std::to_string(std::labs(exponent));
        text += exponent < 0 ? "E-" : "E+";
        text += power.size() < 2 ? "0" + power : power;
    } else if (exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits + std::string(wholeDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, wholeDigits) + ',' + digits.substr(wholeDigits);
        }
    } else {
        text += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString formatNumber(const Number& value) {
    Q_ASSERT(value.isFinite()); // callers show an overflow instead (see displayable)
    if (!value.isFinite()) {
        return QString();
    }
    if (value.isZero()) {
        return QStringLiteral("0");
    }
    const Digits digits = digitsOf(value);
    return layout(value.sign() < 0, digits.text, digits.exponent);
}

} // namespace common

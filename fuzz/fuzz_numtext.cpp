// libFuzzer target for the number texts. Each input is tried three ways:
// - as a typed text: parseNumber must not crash, and must agree with a reference reading
//   (its own grammar scan, then plain rational arithmetic) on what is a number and on its
//   exact value;
// - as a value, when parseNumber accepts it, both exact and rounded to the working precision:
//   formatNumber must write what a reference writer (long division, digit by digit) writes,
//   and that text must read back to a value written the same way again;
// - as the bits of a double (its first eight bytes): the same for that exact binary value.
// A disagreement aborts, and libFuzzer keeps the input.

#include "common/number.h"
#include "common/numtext.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gmpxx.h>
#include <mpfr.h>
#include <optional>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "numtext fault: %s for \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

mpz_class tenTo(long long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// ±digits × 10^(exponent − fraction digits), as the text has them.
struct Reading {
    bool negative = false;
    std::string digits; // every mantissa digit, leading and trailing zeros too
    long long integerDigits = 0;
    long long exponent = 0; // saturated far beyond any value in range
};

// Blanks, sign, digits with at most one comma (at least one digit), then E or e with an
// optional sign and digits, then blanks; nothing else.
std::optional<Reading> scan(const QString& text) {
    const std::u16string s = text.toStdU16String();
    std::size_t i = 0;
    std::size_t n = s.size();
    while (i < n && s[i] == u' ') {
        ++i;
    }
    while (n > i && s[n - 1] == u' ') {
        --n;
    }
    Reading reading;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        reading.negative = s[i] == u'-';
        ++i;
    }
    bool comma = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) {
            reading.digits += static_cast<char>(s[i]);
            reading.integerDigits += comma ? 0 : 1;
        } else if (s[i] == u',' && !comma) {
            comma = true;
        } else {
            break;
        }
    }
    if (reading.digits.empty()) {
        return std::nullopt;
    }
    if (i < n && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        bool negative = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) {
            negative = s[i] == u'-';
            ++i;
        }
        const std::size_t start = i;
        for (; i < n && isDigit(s[i]); ++i) {
            reading.exponent = std::min(reading.exponent * 10 + (s[i] - u'0'), 1'000'000'000'000LL);
        }
        if (i == start) {
            return std::nullopt;
        }
        reading.exponent = negative ? -reading.exponent : reading.exponent;
    }
    if (i != n) {
        return std::nullopt;
    }
    return reading;
}

// 1,79769313486232E+308, the largest magnitude shown.
const mpq_class& largestShown() {
    static const mpq_class value(mpz_class("179769313486232") * tenTo(294));
    return value;
}

// 2^-1074, the smallest positive double: the smallest magnitude shown.
const mpq_class& smallestShown() {
    static const mpq_class value(mpz_class(1), mpz_class(1) << 1074);
    return value;
}

// What parseNumber should answer: the exact value, nothing when it is too large, 0 when it is
// too small. The magnitude is judged from the digit positions before any power is built.
std::optional<mpq_class> reference(const QString& text) {
    const auto reading = scan(text);
    if (!reading) {
        return std::nullopt;
    }
    const std::size_t first = reading->digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return mpq_class(0);
    }
    // The decimal position of the first non-zero digit.
    const long long lead =
        reading->integerDigits - 1 - static_cast<long long>(first) + reading->exponent;
    if (lead > 308) {
        return std::nullopt;
    }
    if (lead < -325) {
        return mpq_class(0); // below 10^-325
    }
    // |power| is now bounded by the text's length and a few hundred.
    const long long fractionDigits =
        static_cast<long long>(reading->digits.size()) - reading->integerDigits;
    const long long power = reading->exponent - fractionDigits;
    mpq_class value(mpz_class(reading->digits, 10));
    if (power >= 0) {
        value *= tenTo(power);
    } else {
        value /= tenTo(-power);
    }
    if (value > largestShown()) {
        return std::nullopt;
    }
    if (value < smallestShown()) {
        return mpq_class(0);
    }
    return reading->negative ? mpq_class(-value) : value;
}

bool inShownRange(const mpq_class& value) {
    const mpq_class magnitude = abs(value);
    return magnitude <= largestShown() && (sgn(magnitude) == 0 || magnitude >= smallestShown());
}

// The exact value a Number holds: its rational or its approximation's binary value.
mpq_class exactValue(const common::Number& number) {
    if (number.isExact()) {
        return number.rational();
    }
    mpq_class value;
    mpfr_get_q(value.get_mpq_t(), number.real().get());
    return value;
}

// What formatNumber should write for a value in the shown range: 15 significant digits
// rounded half away from zero (for an approximation, a value within 2^-200 of the half,
// relative to itself, counts as the half), trailing zeros dropped, the exponent form below
// 1E-04 and from 1E+15 on.
std::string referenceText(const mpq_class& value, bool approximate) {
    if (sgn(value) == 0) {
        return "0";
    }
    const mpz_class numerator = abs(value.get_num());
    // Long division: place is the value of one unit of the current digit times the
    // denominator, and position is that digit's decimal position.
    mpz_class place = value.get_den();
    mpz_class rest = numerator;
    long position = 0;
    for (mpz_class next = place * 10; next <= rest; next *= 10) {
        place = next;
        ++position;
    }
    while (place > rest) {
        rest *= 10;
        --position;
    }
    long firstPosition = position;
    std::string digits;
    for (int n = 0; n < 15; ++n) {
        mpz_class digit;
        mpz_fdiv_qr(digit.get_mpz_t(), rest.get_mpz_t(), rest.get_mpz_t(), place.get_mpz_t());
        digits += static_cast<char>('0' + digit.get_si());
        if (n < 14) {
            rest *= 10;
        }
    }
    // What is left is rest / place units of the fifteenth digit.
    bool up = 2 * rest >= place;
    if (!up && approximate) {
        const mpz_class shown(digits);
        const mpz_class gap = mpz_class(place - 2 * rest) << 199;
        up = gap <= shown * place + rest;
    }
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++firstPosition;
        } else {
            ++digits[i - 1];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = sgn(value) < 0 ? "-" : "";
    if (firstPosition < -4 || firstPosition >= 15) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += "," + digits.substr(1);
        }
        char exponent[8];
        std::snprintf(exponent, sizeof exponent, "E%+03ld", firstPosition);
        return text + exponent;
    }
    // Plain form: the digits placed around the decimal comma, padded with zeros.
    const long wholeDigits = firstPosition + 1;
    if (wholeDigits <= 0) {
        return text + "0," + std::string(static_cast<std::size_t>(-wholeDigits), '0') + digits;
    }
    const auto whole = static_cast<std::size_t>(wholeDigits);
    if (digits.size() <= whole) {
        return text + digits + std::string(whole - digits.size(), '0');
    }
    return text + digits.substr(0, whole) + "," + digits.substr(whole);
}

// The exact value of a finite double from its bits.
mpq_class valueOfBits(std::uint64_t bits) {
    const auto biased = static_cast<long>((bits >> 52) & 0x7FF);
    mpz_class mantissa(static_cast<unsigned long>(bits & ((std::uint64_t{1} << 52) - 1)));
    if (biased != 0) {
        mantissa += mpz_class(1) << 52;
    }
    const long exponent = std::max(biased, 1L) - 1075;
    mpq_class value(mantissa);
    if (exponent >= 0) {
        value *= mpq_class(mpz_class(1) << static_cast<mp_bitcnt_t>(exponent));
    } else {
        value /= mpq_class(mpz_class(1) << static_cast<mp_bitcnt_t>(-exponent));
    }
    return (bits >> 63) != 0 ? mpq_class(-value) : value;
}

std::optional<common::Number> checkReading(const QString& text) {
    const auto parsed = common::parseNumber(text);
    const auto expected = reference(text);
    if (parsed.has_value() != expected.has_value()) {
        fail(parsed ? "read as a number, the reference says it is not"
                    : "not read as a number, the reference reads one",
             text);
    }
    if (!parsed) {
        return std::nullopt;
    }
    // A value too long to keep exactly continues as its nearest approximation.
    const std::size_t bits =
        mpz_sizeinbase(expected->get_num_mpz_t(), 2) + mpz_sizeinbase(expected->get_den_mpz_t(), 2);
    if (bits <= common::kExactBits) {
        if (!parsed->isExact() || parsed->rational() != *expected) {
            fail("read as another value than the reference's", text);
        }
    } else {
        common::Real nearest;
        mpfr_set_q(nearest.get(), expected->get_mpq_t(), MPFR_RNDN);
        if (parsed->isExact() || !mpfr_equal_p(parsed->real().get(), nearest.get())) {
            fail("a long text read as another approximation than the reference's", text);
        }
    }
    return parsed;
}

void checkWriting(const common::Number& value) {
    const QString text = common::formatNumber(value);
    const std::string expected = referenceText(exactValue(value), !value.isExact());
    if (text != QLatin1String(expected.data(), static_cast<qsizetype>(expected.size()))) {
        fail(("written other than the reference's " + expected).c_str(), text);
    }
    const auto back = checkReading(text);
    if (!back) {
        fail("a written number does not read back", text);
    }
    if (common::formatNumber(*back) != text) {
        fail("a written number reads back as another text", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto parsed = checkReading(text)) {
        checkWriting(*parsed);
        // The same value rounded to the working precision, as a result that cannot be exact
        // holds it: a typed half such as 1,000000000000005 may then lie just below the half,
        // and still rounds up.
        checkWriting(common::Number::fromReal(parsed->toReal()));
    }
    if (size >= sizeof(double)) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        if (((bits >> 52) & 0x7FF) != 0x7FF) { // finite
            const mpq_class exact = valueOfBits(bits);
            const common::Number value = common::Number::fromDouble(std::bit_cast<double>(bits));
            if (!value.isExact() || value.rational() != exact) {
                fail("a double taken as another value", QString::number(bits, 16));
            }
            if (inShownRange(exact)) {
                checkWriting(value);
            }
        }
    }
    return 0;
}

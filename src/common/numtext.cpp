// Reading typed numbers, and the range a shown result must lie in. Writing is in
// numberformat.cpp.
#include "numtext.h"

#include "outcome.h"

#include <string>
#include <utility>

namespace common {

namespace {

// A typed exponent is not read past this size: a text would need more digits than any
// computer holds to bring a value with such an exponent back into range.
constexpr long long kExponentCap = 1'000'000'000'000'000LL;

// The largest magnitude shown, 1,79769313486232E+308: the largest double as written.
const Number& largestShown() {
    static const Number value = [] {
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, 294);
        return Number::fromRational(mpq_class(mpz_class("179769313486232") * power));
    }();
    return value;
}

// The smallest magnitude shown: the smallest positive double, 2^-1074.
const Number& smallestShown() {
    static const Number value = [] {
        mpz_class power(1);
        power <<= 1074;
        return Number::fromRational(mpq_class(mpz_class(1), power));
    }();
    return value;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// A typed number before any arithmetic: its value is ±digits × 10^exponent.
struct Typed {
    bool negative = false;
    std::string digits;     // the significant digits, no leading or trailing zeros
    long long exponent = 0; // saturated well beyond any value in range
};

// Reads the exponent digits from position i on into a saturated magnitude.
std::optional<long long> readExponent(const QString& text, qsizetype& i, qsizetype end) {
    bool negative = false;
    if (i < end && isSign(text[i])) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype first = i;
    long long magnitude = 0;
    for (; i < end && isDigit(text[i]); ++i) {
        if (magnitude < kExponentCap) {
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        }
    }
    if (i == first) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<Typed> readTyped(const QString& text) {
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == QLatin1Char(' ')) {
        ++i;
    }
    while (end > i && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    Typed typed;
    if (i < end && isSign(text[i])) {
        typed.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    bool comma = false;
    long long mantissaDigits = 0;
    long long fractionDigits = 0;
    long long pendingZeros = 0; // zeros after the last non-zero digit so far
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(',') && !comma) {
            comma = true;
            continue;
        }
        if (!isDigit(c)) {
            break;
        }
        ++mantissaDigits;
        fractionDigits += comma ? 1 : 0;
        if (c == QLatin1Char('0')) {
            pendingZeros += typed.digits.empty() ? 0 : 1;
        } else {
            typed.digits.append(static_cast<std::size_t>(pendingZeros), '0');
            typed.digits += static_cast<char>(c.unicode());
            pendingZeros = 0;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < end && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        const auto read = readExponent(text, i, end);
        if (!read) {
            return std::nullopt;
        }
        exponent = *read;
    }
    if (i != end) {
        return std::nullopt;
    }
    typed.exponent = exponent - fractionDigits + pendingZeros;
    return typed;
}

} // namespace

std::optional<Number> parseNumber(const QString& text) {
    const auto typed = readTyped(text);
    if (!typed) {
        return std::nullopt;
    }
    if (typed->digits.empty()) {
        return Number(); // zero, whatever its exponent
    }
    // The decimal exponent of the first digit: the magnitude lies in [10^lead, 10^(lead+1)).
    const long long lead = typed->exponent + static_cast<long long>(typed->digits.size()) - 1;
    if (lead > 308) {
        return std::nullopt;
    }
    if (lead < -324) {
        return Number(); // below 10^-324, so below 2^-1074
    }
    // From here on the powers of ten are no larger than the digits typed.
    mpq_class value(mpz_class(typed->digits, 10));
    mpz_class power;
    if (typed->exponent >= 0) {
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(typed->exponent));
        value.get_num() *= power;
    } else {
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(-typed->exponent));
        value.get_den() = power;
        value.canonicalize();
    }
    // Judged on the exact value, before a very long one continues as an approximation.
    if (lead >= 308 && cmp(value, largestShown().rational()) > 0) {
        return std::nullopt;
    }
    if (lead <= -324 && cmp(value, smallestShown().rational()) < 0) {
        return Number();
    }
    if (typed->negative) {
        value = -value;
    }
    return Number::fromRational(std::move(value));
}

std::optional<Number> displayable(const Number& value) {
    if (!value.isFinite()) {
        return std::nullopt;
    }
    const Number magnitude = value.abs();
    if (magnitude > largestShown()) {
        return std::nullopt;
    }
    if (magnitude < smallestShown()) {
        return Number();
    }
    return value;
}

Outcome shown(const Number& value) {
    const auto inRange = displayable(value);
    return inRange ? Outcome{*inRange, Fault::None} : failed(Fault::Overflow);
}

} // namespace common

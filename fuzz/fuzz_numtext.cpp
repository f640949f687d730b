// libFuzzer target for the number texts. Each input is tried three ways:
// - as a typed text: parseNumber must not crash, and must agree with a reference reading
//   (its own grammar scan, then strtod) on what is a number and on its exact value;
// - as a value, when parseNumber accepts it: what formatNumber writes for it reads back;
// - as the bits of a double (its first eight bytes): the same for that value.
// A disagreement aborts, and libFuzzer keeps the input.

#include "common/numtext.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
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

// The reference's view of a text: a C text for strtod and the parts needed to judge a value
// beyond the double range.
struct Reading {
    std::string forStrtod;
    bool negative = false;
    std::string significant; // mantissa digits from the first non-zero one, trailing zeros cut
    long long magnitude = 0; // decimal exponent of the first significant digit
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
        reading.forStrtod += static_cast<char>(s[i]);
        ++i;
    }
    std::string digits;
    long long integerDigits = 0;
    bool comma = false;
    for (; i < n; ++i) {
        if (isDigit(s[i])) {
            digits += static_cast<char>(s[i]);
            reading.forStrtod += static_cast<char>(s[i]);
            integerDigits += comma ? 0 : 1;
        } else if (s[i] == u',' && !comma) {
            comma = true;
            reading.forStrtod += '.';
        } else {
            break;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < n && (s[i] == u'E' || s[i] == u'e')) {
        reading.forStrtod += 'e';
        ++i;
        bool negative = false;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) {
            negative = s[i] == u'-';
            reading.forStrtod += static_cast<char>(s[i]);
            ++i;
        }
        const std::size_t start = i;
        for (; i < n && isDigit(s[i]); ++i) {
            reading.forStrtod += static_cast<char>(s[i]);
            exponent = std::min(exponent * 10 + (s[i] - u'0'), 1'000'000'000'000LL);
        }
        if (i == start) {
            return std::nullopt;
        }
        exponent = negative ? -exponent : exponent;
    }
    if (i != n) {
        return std::nullopt;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos) {
        const std::size_t last = digits.find_last_not_of('0');
        reading.significant = digits.substr(first, last - first + 1);
        reading.magnitude = integerDigits - 1 - static_cast<long long>(first) + exponent;
    }
    return reading;
}

// Above the largest double, but no further than the way it is written, 1,79769313486232E+308.
bool withinWrittenLargest(const Reading& reading) {
    if (reading.magnitude != 308) {
        return false;
    }
    std::string digits = reading.significant;
    std::string limit = "179769313486232";
    const std::size_t width = std::max(digits.size(), limit.size());
    digits.resize(width, '0');
    limit.resize(width, '0');
    return digits <= limit;
}

// What parseNumber should answer, by strtod.
std::optional<double> reference(const QString& text) {
    const auto reading = scan(text);
    if (!reading) {
        return std::nullopt;
    }
    errno = 0;
    const double value = std::strtod(reading->forStrtod.c_str(), nullptr);
    if (std::isinf(value)) {
        if (!withinWrittenLargest(*reading)) {
            return std::nullopt;
        }
        const double largest = std::numeric_limits<double>::max();
        return reading->negative ? -largest : largest;
    }
    return value;
}

// What is written for a finite value reads back within 15 significant digits of it, and is
// written the same way again.
void checkRoundTrip(double value) {
    const QString text = common::formatNumber(value);
    const auto back = common::parseNumber(text);
    if (!back) {
        fail("a written number does not read back", text);
    }
    const double error = std::fabs(*back - value);
    if (error > 5.2e-15 * std::fabs(value) + std::numeric_limits<double>::denorm_min()) {
        fail("a written number reads back beyond 15 digits", text);
    }
    if (common::formatNumber(*back) != text) {
        fail("a written number reads back as another text", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = common::parseNumber(text);
    const auto expected = reference(text);
    if (parsed.has_value() != expected.has_value()) {
        fail(parsed ? "read as a number, the reference says it is not"
                    : "not read as a number, the reference reads one",
             text);
    }
    if (parsed &&
        std::bit_cast<std::uint64_t>(*parsed) != std::bit_cast<std::uint64_t>(*expected)) {
        fail("read as another value than the reference's", text);
    }
    if (parsed) {
        checkRoundTrip(*parsed);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            checkRoundTrip(value);
        }
    }
    return 0;
}

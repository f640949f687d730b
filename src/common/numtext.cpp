#include "numtext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace common {

QString formatNumber(double value) {
    if (value == 0.0) {
        return QStringLiteral("0"); // also a negative zero
    }
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc{}) {
        return QStringLiteral("0");
    }
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The accepted shape, translated into what std::from_chars reads ("1.5e10", no plus sign).
struct Shape {
    std::string plain;       // the text for from_chars
    bool negative = false;   // a leading minus
    long long magnitude = 0; // decimal exponent of the first significant digit
    bool allZero = true;     // every mantissa digit is zero
    std::string significant; // the mantissa digits from the first non-zero one on
};

std::optional<Shape> readShape(const QString& text) {
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) {
        ++i;
    }
    while (n > i && text[n - 1] == QLatin1Char(' ')) {
        --n;
    }
    Shape shape;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        shape.negative = text[i] == QLatin1Char('-');
        if (shape.negative) {
            shape.plain += '-';
        }
        ++i;
    }
    int digits = 0;
    bool comma = false;
    long long firstSignificant = 0; // 1-based index among the integer digits, or minus the
                                    // index among the fraction digits
    long long integerDigits = 0;
    long long fractionIndex = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            ++digits;
            if (comma) {
                ++fractionIndex;
            } else {
                ++integerDigits;
            }
            if (shape.allZero && c != QLatin1Char('0')) {
                shape.allZero = false;
                firstSignificant = comma ? -fractionIndex : integerDigits;
            }
            if (!shape.allZero) {
                shape.significant += static_cast<char>(c.unicode());
            }
            shape.plain += static_cast<char>(c.unicode());
        } else if (c == QLatin1Char(',') && !comma) {
            comma = true;
            shape.plain += '.';
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            negativeExponent = text[i] == QLatin1Char('-');
            ++i;
        }
        const qsizetype start = i;
        for (; i < n && isDigit(text[i]); ++i) {
            // Saturate: anything this large is far outside the double range either way.
            exponent =
                std::min<long long>(exponent * 10 + (text[i].unicode() - '0'), 1'000'000'000);
        }
        if (i == start) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
        shape.plain += 'e';
        shape.plain += std::to_string(exponent);
    }
    if (i != n) {
        return std::nullopt;
    }
    // 123,4 has its first significant digit at 10^2; 0,05 at 10^-2.
    shape.magnitude =
        (firstSignificant > 0 ? integerDigits - firstSignificant : firstSignificant) + exponent;
    return shape;
}

// The largest double is written 1,79769313486232E+308, a little above itself. A text up to that
// one reads as the largest double, so that whatever is written reads back.
bool withinWrittenLargest(const Shape& shape) {
    std::string digits = shape.significant;
    digits.erase(digits.find_last_not_of('0') + 1);
    return shape.magnitude == 308 && digits <= "179769313486232";
}

} // namespace

std::optional<double> parseNumber(const QString& text) {
    const auto shape = readShape(text);
    if (!shape) {
        return std::nullopt;
    }
    if (shape->allZero) {
        return shape->negative ? -0.0 : 0.0;
    }
    double value = 0.0;
    const char* first = shape->plain.data();
    const char* last = first + shape->plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (withinWrittenLargest(*shape)) {
            const double largest = std::numeric_limits<double>::max();
            return shape->negative ? -largest : largest;
        }
        if (shape->magnitude > 0) {
            return std::nullopt; // beyond the largest double
        }
        return shape->negative ? -0.0 : 0.0; // below the smallest one
    }
    if (ec != std::errc{} || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace common

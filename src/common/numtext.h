#pragma once

#include "common/number.h"

#include <QString>
#include <optional>

// Numbers as the user types them and as the suite shows them. Both directions ignore the
// process locale: the decimal separator is always a comma.
namespace common {

// Reads a typed number: optional spaces (U+0020) around, an optional sign (+ or -), digits
// with at most one decimal comma and at least one digit, and an optional exponent (E or e,
// an optional sign, at least one digit). The value is exact as typed: "1,1" is 11/10. A value
// larger in magnitude than 1,79769313486232E+308 is not a number; one smaller than the
// smallest positive double (2^-1074) reads as 0. Long exponents cost nothing: "1E-999999999"
// is 0 at once.
std::optional<Number> parseNumber(const QString& text);

// Writes a finite value as printf's %.15G would with a decimal comma: at most 15 significant
// digits, rounded half away from zero from the exact value (an approximation's exact binary
// value; one within 2^-200 of a half counts as that half), trailing zeros dropped, and the
// form "1,5E+300" / "1E-05" when the decimal exponent is below -4 or at least 15. Zero of
// either sign is "0". Every text written for a displayable value reads back to the same text.
QString formatNumber(const Number& value);

// A result as it may be shown: nothing (an overflow) when it is not finite or larger in
// magnitude than 1,79769313486232E+308, exactly 0 when smaller than 2^-1074, otherwise the
// value unchanged. Only shown results are judged: values on the way may lie far outside.
std::optional<Number> displayable(const Number& value);

} // namespace common

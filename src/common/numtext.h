#pragma once

#include <QString>
#include <optional>

// The suite's one way between numbers and the texts the user sees and types.
// Both directions ignore the process locale: the decimal separator is always a comma.
namespace common {

// Writes a finite number as up to 15 significant digits with a decimal comma, the
// exponent form "1E+15" / "1E-05" for very large and very small values, and a negative
// zero as "0". Callers never pass inf or nan (they report an overflow instead).
QString formatNumber(double value);

// Reads a text typed by the user: optional spaces around, an optional sign, digits with at
// most one decimal comma (at least one digit), and an optional exponent (E or e, an optional
// sign, digits). A point is not a separator. A value beyond the double range is not a
// number, except that anything up to the largest double as written (1,79769313486232E+308)
// reads as the largest double; a value too small to represent becomes the nearest double
// (0 or a tiny value). Every text formatNumber writes reads back.
std::optional<double> parseNumber(const QString& text);

} // namespace common

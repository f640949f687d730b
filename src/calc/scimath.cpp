#include "scimath.h"

#include <cmath>
#include <numbers>

namespace calc {

namespace {

bool isWhole(double y) {
    return std::isfinite(y) && std::floor(y) == y;
}
bool isOddWhole(double y) {
    return isWhole(y) && std::fmod(y, 2.0) != 0;
}

// The inverse keys give exact angles, so they turn radians into degrees with the double
// nearest to π, not with the fifteen-digit constant.
double radiansToDegreesExact(double a) {
    return a * 180 / std::numbers::pi;
}

} // namespace

Outcome toRadians(double angle, bool degrees) {
    return degrees ? finite(angle * kPi15 / 180) : Outcome{angle, Fault::None};
}

Outcome convertAngle(double value, bool toDegrees) {
    return finite(toDegrees ? value * 180 / kPi15 : value * kPi15 / 180);
}

Outcome trig(Trig function, double angle, bool degrees) {
    const Outcome x = toRadians(angle, degrees);
    if (!x.ok()) {
        return x;
    }
    const double s = std::sin(x.value);
    const double c = std::cos(x.value);
    switch (function) {
    case Trig::Sin:
        return {s, Fault::None};
    case Trig::Cos:
        return {c, Fault::None};
    case Trig::Tan:
        return finite(std::tan(x.value));
    case Trig::Cot:
        return s == 0 ? Outcome{0, Fault::DivisionByZero} : finite(c / s);
    case Trig::Sec:
        return c == 0 ? Outcome{0, Fault::DivisionByZero} : finite(1 / c);
    case Trig::Csc:
        return s == 0 ? Outcome{0, Fault::DivisionByZero} : finite(1 / s);
    }
    return {0, Fault::BadArgument};
}

Outcome unary(Unary function, double x) {
    switch (function) {
    case Unary::Square:
        return finite(x * x);
    case Unary::Cube:
        return finite(std::pow(x, 3.0));
    case Unary::Sqrt:
        return x < 0 ? Outcome{0, Fault::BadArgument} : finite(std::sqrt(x));
    case Unary::Pow2:
        return finite(std::pow(2.0, x));
    case Unary::PowE:
        return finite(std::pow(kE, x));
    case Unary::PowPi:
        return finite(std::pow(kPi15, x));
    case Unary::Exp:
        return finite(std::exp(x));
    case Unary::Pow10:
        return finite(std::pow(10.0, x));
    case Unary::Ln:
        return x <= 0 ? Outcome{0, Fault::BadArgument} : finite(std::log(x));
    case Unary::Floor:
        return finite(std::floor(x));
    case Unary::Reciprocal:
        return x == 0 ? Outcome{0, Fault::DivisionByZero} : finite(1 / x);
    case Unary::Times10:
        return finite(x * 10);
    case Unary::Div10:
        return finite(x / 10);
    }
    return {0, Fault::BadArgument};
}

Outcome power(double x, double y) {
    if (y < 0) {
        return reciprocalPower(x, -y);
    }
    if (x < 0 && !isWhole(y)) {
        return {0, Fault::BadArgument};
    }
    return finite(std::pow(x, y));
}

Outcome reciprocalPower(double x, double y) {
    if (x == 0) {
        return {0, Fault::DivisionByZero};
    }
    if (x < 0 && !isWhole(y)) {
        return {0, Fault::BadArgument};
    }
    // First the power, then its reciprocal: a power too large for a double gives 0, one too
    // small has no reciprocal to show.
    const double tmpX = std::pow(x, y);
    if (std::isinf(tmpX)) {
        return {0, Fault::None};
    }
    if (tmpX == 0) {
        return {0, Fault::Overflow};
    }
    return finite(1 / tmpX);
}

Outcome root(double x, double y) {
    if (y == 0) {
        return {0, Fault::BadArgument};
    }
    if (x == 0) {
        return y > 0 ? Outcome{0, Fault::None} : Outcome{0, Fault::DivisionByZero};
    }
    if (x < 0 && !isOddWhole(y)) {
        return {0, Fault::BadArgument};
    }
    const double magnitude = std::fabs(x);
    double r = 0;
    if (y == 2) {
        r = std::sqrt(magnitude);
    } else if (y == 3) {
        r = std::cbrt(magnitude);
    } else {
        r = std::pow(magnitude, 1 / y);
    }
    if (x < 0) {
        r = -r;
    }
    const Outcome result = finite(r);
    if (!result.ok()) {
        return result;
    }
    // A whole root is shown whole: 64 and 3 give exactly 4.
    const double whole = std::nearbyint(r);
    if (whole != r && std::pow(whole, y) == x) {
        return {whole, Fault::None};
    }
    return result;
}

std::optional<double> arcCos(double v, bool degrees) {
    if (!(v >= -1 && v <= 1)) {
        return std::nullopt;
    }
    const double a = std::acos(v);
    return degrees ? radiansToDegreesExact(a) : a;
}

std::optional<double> arcSin(double v, bool degrees) {
    if (!(v >= -1 && v <= 1)) {
        return std::nullopt;
    }
    const double a = std::asin(v);
    return degrees ? radiansToDegreesExact(a) : a;
}

} // namespace calc

#include "scimath.h"

#include "common/numberfunctions.h"

namespace calc {

namespace {

using common::AngleUnit;
using common::shown;
using common::Wholeness;

AngleUnit unitOf(bool degrees) {
    return degrees ? AngleUnit::Degrees : AngleUnit::Radians;
}

bool isWhole(const Number& y) {
    return common::wholeness(y) != Wholeness::NotWhole;
}

// A function that is undefined at the angle (tg 90°, ctg 0°, ...) divides by zero there.
Outcome defined(const std::optional<Number>& value) {
    return value ? shown(*value) : common::failed(Fault::DivisionByZero);
}

} // namespace

const Number& constantE() {
    return common::e();
}

const Number& constantPi() {
    return common::pi();
}

Outcome convertAngle(const Number& value, bool toDegrees) {
    return shown(toDegrees ? common::radiansToDegrees(value) : common::degreesToRadians(value));
}

Outcome trig(Trig function, const Number& angle, bool degrees) {
    const AngleUnit unit = unitOf(degrees);
    switch (function) {
    case Trig::Sin:
        return shown(common::sin(angle, unit));
    case Trig::Cos:
        return shown(common::cos(angle, unit));
    case Trig::Tan:
        return defined(common::tan(angle, unit));
    case Trig::Cot:
        return defined(common::cot(angle, unit));
    case Trig::Sec:
        return defined(common::sec(angle, unit));
    case Trig::Csc:
        return defined(common::csc(angle, unit));
    }
    return common::failed(Fault::BadArgument);
}

Outcome unary(Unary function, const Number& x) {
    switch (function) {
    case Unary::Square:
        return shown(x * x);
    case Unary::Cube:
        return shown(x * x * x);
    case Unary::Sqrt:
        return x.sign() < 0 ? common::failed(Fault::BadArgument) : shown(common::sqrt(x));
    case Unary::Pow2:
        return shown(common::exp2(x));
    case Unary::PowE:
    case Unary::Exp:
        return shown(common::exp(x));
    case Unary::PowPi:
        return shown(common::powPi(x));
    case Unary::Pow10:
        return shown(common::exp10(x));
    case Unary::Ln:
        return x.sign() <= 0 ? common::failed(Fault::BadArgument) : shown(common::ln(x));
    case Unary::Floor:
        return shown(common::floor(x));
    case Unary::Reciprocal:
        return x.isZero() ? common::failed(Fault::DivisionByZero) : shown(Number(1) / x);
    case Unary::Times10:
        return shown(x * Number(10));
    case Unary::Div10:
        return shown(x / Number(10));
    }
    return common::failed(Fault::BadArgument);
}

Outcome power(const Number& x, const Number& y) {
    if (y.sign() < 0) {
        return reciprocalPower(x, -y);
    }
    if (x.sign() < 0 && !isWhole(y)) {
        return common::failed(Fault::BadArgument);
    }
    return shown(common::pow(x, y));
}

Outcome reciprocalPower(const Number& x, const Number& y) {
    if (x.isZero()) {
        return common::failed(Fault::DivisionByZero);
    }
    if (x.sign() < 0 && !isWhole(y)) {
        return common::failed(Fault::BadArgument);
    }
    // First the power, then its reciprocal: a power beyond every range gives 0, one that
    // vanished has no reciprocal to show.
    const Number raised = common::pow(x, y);
    if (raised.isZero()) {
        return common::failed(Fault::Overflow);
    }
    return shown(Number(1) / raised);
}

Outcome root(const Number& x, const Number& y) {
    if (y.isZero()) {
        return common::failed(Fault::BadArgument);
    }
    if (x.isZero()) {
        return y.sign() > 0 ? Outcome{} : common::failed(Fault::DivisionByZero);
    }
    if (x.sign() < 0 && common::wholeness(y) != Wholeness::Odd) {
        return common::failed(Fault::BadArgument);
    }
    return shown(common::root(x, y));
}

std::optional<Number> arcCos(const Number& v, bool degrees) {
    if (v.abs() > Number(1)) {
        return std::nullopt;
    }
    return common::acos(v, unitOf(degrees));
}

std::optional<Number> arcSin(const Number& v, bool degrees) {
    if (v.abs() > Number(1)) {
        return std::nullopt;
    }
    return common::asin(v, unitOf(degrees));
}

} // namespace calc

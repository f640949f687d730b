// The inverse sine and cosine, and the degree/radian switch.
#include "numberfunctions.h"

#include "numberdetail.h"

#include <QtGlobal>

namespace common {

using detail::argument;
using detail::binaryMagnitude;
using detail::compute;
using detail::kFullTurn;

namespace {

// Extra bits for an exact v near ±1, where asin and acos magnify its error.
long nearOne(const Number& v) {
    if (!v.isExact()) {
        return 0;
    }
    const mpq_class distance = 1 - abs(v.rational());
    return distance == 0 ? 0 : 1 - binaryMagnitude(distance);
}

// The exact angle in degrees of asin v (or acos v) for v in {0, ±1/2, ±1}.
std::optional<int> knownArc(const Number& v, bool cosine) {
    if (!v.isExact()) {
        return std::nullopt;
    }
    const mpq_class& q = v.rational();
    const mpq_class magnitude = abs(q);
    int degrees = 0;
    if (magnitude == mpq_class(1, 2)) {
        degrees = 30;
    } else if (magnitude == 1) {
        degrees = 90;
    } else if (magnitude != 0) {
        return std::nullopt;
    }
    degrees *= sgn(q);
    return cosine ? 90 - degrees : degrees;
}

Number arc(const Number& v, AngleUnit unit, bool cosine) {
    Q_ASSERT(v.abs() <= Number(1));
    const auto known = knownArc(v, cosine);
    if (known && (unit == AngleUnit::Degrees || *known == 0)) {
        return Number(*known);
    }
    const Real x = argument(v, nearOne(v));
    if (unit == AngleUnit::Radians) {
        return compute(cosine ? mpfr_acos : mpfr_asin, x);
    }
    Real result;
    if (cosine) {
        mpfr_acosu(result.get(), x.get(), kFullTurn, MPFR_RNDN);
    } else {
        mpfr_asinu(result.get(), x.get(), kFullTurn, MPFR_RNDN);
    }
    return Number::fromReal(std::move(result));
}

} // namespace

Number asin(const Number& v, AngleUnit unit) {
    return arc(v, unit, false);
}

Number acos(const Number& v, AngleUnit unit) {
    return arc(v, unit, true);
}

Number degreesToRadians(const Number& x) {
    return x * pi() / Number(180);
}

Number radiansToDegrees(const Number& x) {
    return x * Number(180) / pi();
}

} // namespace common

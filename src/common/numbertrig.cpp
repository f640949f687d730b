// Sine, cosine, tangent and their reciprocals in degrees and radians.
#include "numberfunctions.h"

#include "numberdetail.h"

namespace common {

using detail::argument;
using detail::binaryMagnitude;
using detail::compute;
using detail::kFullTurn;
using detail::kGuardBits;

namespace {

constexpr long kStep = 15; // the angles taken exactly are multiples of this, in degrees

// Radians beyond 2^kExactBits are not reduced (that would need π to as many bits); no exact
// value is that large, and an approximation that is has no meaningful sine: not-a-number.
constexpr mpfr_exp_t kLargestRadians = static_cast<mpfr_exp_t>(kExactBits);

// Approximate angles from 2^100 up (in either unit) are never taken as a multiple of 15
// degrees: the kNearBits tolerance would be wider than the step itself.
constexpr mpfr_exp_t kLargestSnapped = 100;

// An approximate angle in degrees within kNearBits of a multiple of 15 degrees: that
// multiple on the circle, 0 ≤ a < 360.
std::optional<int> nearStep(mpfr_srcptr degrees) {
    const mpfr_prec_t precision = mpfr_get_prec(degrees);
    Real turn(precision);
    mpfr_set_ui(turn.get(), kFullTurn, MPFR_RNDN);
    Real rest(precision);
    mpfr_fmod(rest.get(), degrees, turn.get(), MPFR_RNDN); // exact, |rest| < 360
    Real nearest(precision);
    mpfr_div_ui(nearest.get(), rest.get(), kStep, MPFR_RNDN);
    mpfr_rint(nearest.get(), nearest.get(), MPFR_RNDN);
    const long steps = mpfr_get_si(nearest.get(), MPFR_RNDN);
    Real gap(precision);
    mpfr_set_si(gap.get(), steps * kStep, MPFR_RNDN);
    mpfr_sub(gap.get(), rest.get(), gap.get(), MPFR_RNDN); // exact: the operands are close
    Real limit(precision);
    mpfr_mul_2si(limit.get(), degrees, -kNearBits, MPFR_RNDN);
    if (mpfr_cmpabs(gap.get(), limit.get()) > 0) {
        return std::nullopt;
    }
    const long stepsInTurn = static_cast<long>(kFullTurn) / kStep;
    return static_cast<int>((steps % stepsInTurn + stepsInTurn) % stepsInTurn * kStep);
}

// Where an angle lies on the circle in whole degrees, 0 ≤ a < 360, when it is a multiple of
// 15 degrees: exactly (in degrees, or a radian 0), or as an approximation within kNearBits
// of one (π/2 computed, or 30 degrees that went through radians and back).
std::optional<int> stepOf(const Number& angle, AngleUnit unit) {
    if (angle.isExact()) {
        if (unit == AngleUnit::Radians) {
            return angle.isZero() ? std::optional<int>(0)
                                  : std::nullopt; // no other is a multiple of π
        }
        const mpq_class steps = angle.rational() / kStep;
        if (steps.get_den() != 1) {
            return std::nullopt;
        }
        return static_cast<int>(mpz_fdiv_ui(steps.get_num_mpz_t(), kFullTurn / kStep) * kStep);
    }
    mpfr_srcptr x = angle.real().get();
    if (!mpfr_number_p(x) || (mpfr_regular_p(x) && mpfr_get_exp(x) >= kLargestSnapped)) {
        return std::nullopt;
    }
    if (unit == AngleUnit::Degrees) {
        return nearStep(x);
    }
    Real pi(kPrecision + kGuardBits);
    mpfr_const_pi(pi.get(), MPFR_RNDN);
    Real degrees(kPrecision + kGuardBits);
    mpfr_mul_ui(degrees.get(), x, kFullTurn / 2, MPFR_RNDN);
    mpfr_div(degrees.get(), degrees.get(), pi.get(), MPFR_RNDN);
    return nearStep(degrees.get());
}

// sin a for 0 ≤ a < 360 whole degrees where it is rational.
std::optional<Number> rationalSin(int degrees) {
    switch (degrees) {
    case 0:
    case 180:
        return Number();
    case 30:
    case 150:
        return Number::ratio(1, 2);
    case 210:
    case 330:
        return Number::ratio(-1, 2);
    case 90:
        return Number(1);
    case 270:
        return Number(-1);
    default:
        return std::nullopt;
    }
}

Number sinDegrees(const Real& degrees) {
    return compute(
        [](mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd) { return mpfr_sinu(r, x, kFullTurn, rnd); },
        degrees);
}

Number cosDegrees(const Real& degrees) {
    return compute(
        [](mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd) { return mpfr_cosu(r, x, kFullTurn, rnd); },
        degrees);
}

// A multiple of 15 degrees, 0 ≤ a < 360: exact where the value is rational.
SinCos onCircle(int degrees) {
    Real angle;
    mpfr_set_si(angle.get(), degrees, MPFR_RNDN);
    const auto sin = rationalSin(degrees);
    const auto cos = rationalSin((degrees + 90) % static_cast<int>(kFullTurn));
    return {sin ? *sin : sinDegrees(angle), cos ? *cos : cosDegrees(angle)};
}

// Any other exact angle as quarter·90 + rest, rest in [-45, 45), all in exact arithmetic: the
// rest keeps its full relative precision however close the angle is to a multiple of 90.
SinCos exactDegrees(const mpq_class& angle) {
    const mpq_class shifted = angle / 90 + mpq_class(1, 2);
    mpz_class quarter;
    mpz_fdiv_q(quarter.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
    const mpq_class rest = angle - mpq_class(quarter * 90);
    Real restDegrees(kPrecision + kGuardBits);
    mpfr_set_q(restDegrees.get(), rest.get_mpq_t(), MPFR_RNDN);
    const Number sin = sinDegrees(restDegrees);
    const Number cos = cosDegrees(restDegrees);
    switch (mpz_fdiv_ui(quarter.get_mpz_t(), 4)) {
    case 0:
        return {sin, cos};
    case 1:
        return {cos, -sin};
    case 2:
        return {-sin, -cos};
    default:
        return {-cos, sin};
    }
}

SinCos radians(const Number& angle) {
    const long magnitude = binaryMagnitude(angle);
    Real sin;
    Real cos;
    if (!angle.isExact() && magnitude > kLargestRadians) {
        mpfr_set_nan(sin.get());
        mpfr_set_nan(cos.get());
    } else {
        mpfr_sin_cos(sin.get(), cos.get(), argument(angle, magnitude).get(), MPFR_RNDN);
    }
    return {Number::fromReal(std::move(sin)), Number::fromReal(std::move(cos))};
}

// tan where it is 0 or ±1 or undefined: at multiples of 45 degrees.
struct KnownTan {
    bool known = false;
    std::optional<int> value; // nothing where undefined
};

KnownTan knownTan(const Number& angle, AngleUnit unit) {
    const auto step = stepOf(angle, unit);
    if (!step || *step % 45 != 0) {
        return {};
    }
    switch (*step % 180) {
    case 0:
        return {true, 0};
    case 45:
        return {true, 1};
    case 135:
        return {true, -1};
    default:
        return {true, std::nullopt};
    }
}

} // namespace

SinCos sinCos(const Number& angle, AngleUnit unit) {
    if (const auto step = stepOf(angle, unit)) {
        return onCircle(*step);
    }
    if (unit == AngleUnit::Radians) {
        return radians(angle);
    }
    if (angle.isExact()) {
        return exactDegrees(angle.rational());
    }
    return {sinDegrees(angle.real()), cosDegrees(angle.real())};
}

Number sin(const Number& angle, AngleUnit unit) {
    return sinCos(angle, unit).sin;
}

Number cos(const Number& angle, AngleUnit unit) {
    return sinCos(angle, unit).cos;
}

std::optional<Number> tan(const Number& angle, AngleUnit unit) {
    if (const KnownTan known = knownTan(angle, unit); known.known) {
        return known.value ? std::optional<Number>(Number(*known.value)) : std::nullopt;
    }
    const SinCos both = sinCos(angle, unit);
    if (both.cos.isZero()) {
        return std::nullopt;
    }
    return both.sin / both.cos;
}

std::optional<Number> cot(const Number& angle, AngleUnit unit) {
    if (const KnownTan known = knownTan(angle, unit); known.known) {
        if (known.value == 0) {
            return std::nullopt;
        }
        return Number(known.value ? *known.value : 0); // ±1, or 0 where tan is undefined
    }
    const SinCos both = sinCos(angle, unit);
    if (both.sin.isZero()) {
        return std::nullopt;
    }
    return both.cos / both.sin;
}

std::optional<Number> sec(const Number& angle, AngleUnit unit) {
    const Number cos = sinCos(angle, unit).cos;
    return cos.isZero() ? std::nullopt : std::optional<Number>(Number(1) / cos);
}

std::optional<Number> csc(const Number& angle, AngleUnit unit) {
    const Number sin = sinCos(angle, unit).sin;
    return sin.isZero() ? std::nullopt : std::optional<Number>(Number(1) / sin);
}

} // namespace common

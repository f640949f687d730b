#pragma once

#include "common/number.h"

#include <QList>
#include <array>
#include <cstddef>

// Solving a right triangle ABC with the right angle at C, apart from its window: the givens
// come in as the numbers typed, the failed checks or the five values come out, each exact or
// correctly rounded where it is shown.
namespace geometry {

using common::Number;

// The five values, in the order of the window's rows.
enum class Side { AngleA, AngleB, AB, AC, BC };
inline constexpr std::size_t kTriangleValues = 5;

// What the user gave: angles in degrees, AB the hypotenuse, AC the leg next to A, BC the leg
// opposite A. A zero means "not given".
struct TriangleGivens {
    Number angleA;
    Number angleB;
    Number ab;
    Number ac;
    Number bc;
};

// The consistency checks of "Найти >>", in the order they are made.
enum class Check {
    WholeDegrees, // the whole parts of two given angles add up to more than 90
    RightAngle,   // an angle of 90 or more
    LegAC,        // AC not below a given AB
    LegBC,        // BC not below a given AB
};

enum class Found { Given, Computed, NotFound };

struct TriangleValue {
    Number value;
    Found found = Found::NotFound;
};

struct TriangleSolution {
    QList<Check> failed; // every failed check; nothing is solved then
    bool overflow = false;
    std::array<TriangleValue, kTriangleValues> values{}; // by Side

    const TriangleValue& at(Side side) const { return values[static_cast<std::size_t>(side)]; }
};

// The checks, then the solving steps. A value that stays zero is not found; angles are never
// derived from two sides. A value shown beyond the range, or one that would divide by a zero
// sine, cosine or tangent, is an overflow.
TriangleSolution solveTriangle(const TriangleGivens& givens);

} // namespace geometry

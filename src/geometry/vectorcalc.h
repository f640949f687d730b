#pragma once

#include "common/number.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>

// The vector tool apart from its window: the three calculations on a vector given by its two
// ends, the drawing scale, and where the plane's points lie on the drawing, in twips.
namespace geometry {

using common::Number;

// The start (x1; y1) and the end (x2; y2), as typed.
struct VectorEnds {
    Number x1;
    Number y1;
    Number x2;
    Number y2;
};

// A point of the plane, exact.
struct PlanePoint {
    Number x;
    Number y;
};

// All four coordinates 0, as the window starts: the keys leave such a vector alone.
bool isBlank(const VectorEnds& ends);

// The vector's coordinates (x2 − x1; y2 − y1), exact.
PlanePoint vectorCoordinates(const VectorEnds& ends);
// The distance between the two ends, correctly rounded.
Number vectorLength(const VectorEnds& ends);
// The midpoint ((x1 + x2) / 2; (y1 + y2) / 2), exact.
PlanePoint vectorMiddle(const VectorEnds& ends);

// The vector as the drawing takes it: from start to end in the plane's units.
QLineF drawnLine(const VectorEnds& ends);

// The scale as the drawing uses it: the number rounded down, or nothing when that does not
// fit a 16-bit signed whole number.
std::optional<int> drawingScale(const Number& value);

// The plane's origin at the corner of the axes, in twips from the window's top left.
inline constexpr QPointF kPlaneOrigin{240, 5760};
// The radius of the circle that marks a vector's start, in twips.
inline constexpr double kStartRadius = 10;

// Where the plane's point lies on the drawing: one unit is `scale` twips, y grows upwards.
QPointF planeToTwips(QPointF point, int scale);

// The part of the line inside `bounds`, or nothing when it misses them.
std::optional<QLineF> clipLine(const QLineF& line, const QRectF& bounds);

} // namespace geometry

#include "vectorcalc.h"

#include "common/numberfunctions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace geometry {

bool isBlank(const VectorEnds& ends) {
    return ends.x1.isZero() && ends.y1.isZero() && ends.x2.isZero() && ends.y2.isZero();
}

PlanePoint vectorCoordinates(const VectorEnds& ends) {
    return {ends.x2 - ends.x1, ends.y2 - ends.y1};
}

Number vectorLength(const VectorEnds& ends) {
    const PlanePoint d = vectorCoordinates(ends);
    return common::sqrt(d.x * d.x + d.y * d.y);
}

PlanePoint vectorMiddle(const VectorEnds& ends) {
    const Number two(2);
    return {(ends.x1 + ends.x2) / two, (ends.y1 + ends.y2) / two};
}

QLineF drawnLine(const VectorEnds& ends) {
    return {ends.x1.toDouble(), ends.y1.toDouble(), ends.x2.toDouble(), ends.y2.toDouble()};
}

std::optional<int> drawingScale(const Number& value) {
    const Number whole = common::floor(value);
    if (whole < Number(std::numeric_limits<qint16>::min()) ||
        whole > Number(std::numeric_limits<qint16>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(whole.toDouble());
}

QPointF planeToTwips(QPointF point, int scale) {
    return {kPlaneOrigin.x() + scale * point.x(), kPlaneOrigin.y() - scale * point.y()};
}

std::optional<QLineF> clipLine(const QLineF& line, const QRectF& bounds) {
    // Cuts the line's parameter range [0, 1] down edge by edge.
    const double dx = line.dx();
    const double dy = line.dy();
    double from = 0;
    double to = 1;
    const std::pair<double, double> edges[] = {
        {-dx, line.x1() - bounds.left()},
        {dx, bounds.right() - line.x1()},
        {-dy, line.y1() - bounds.top()},
        {dy, bounds.bottom() - line.y1()},
    };
    for (const auto& [towards, room] : edges) {
        if (towards == 0) {
            if (room < 0) {
                return std::nullopt; // parallel to this edge and outside it
            }
            continue;
        }
        const double t = room / towards;
        if (towards < 0) {
            from = std::max(from, t);
        } else {
            to = std::min(to, t);
        }
        if (from > to) {
            return std::nullopt;
        }
    }
    return QLineF(line.pointAt(from), line.pointAt(to));
}

} // namespace geometry

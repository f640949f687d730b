#pragma once

#include "vectorcalc.h"

#include <QWidget>

namespace geometry {

// The lower part of the vector tool: the axes with "0", "X", "Y" and the legend, and over
// them every vector drawn since the last erase. The drawings are kept as plane coordinates
// with their scale and painted afresh each time, so a window passing over them does not wipe
// them out. Laid out in twips at 96 dpi, larger in proportion above. Screen readers hear it
// as "координатная плоскость", described by the vectors drawn on it.
class VectorPlane : public QWidget {
public:
    // The part of the window's twips it covers: from the top of the Y axis to the bottom.
    static constexpr int kTop = 3240;
    static constexpr int kWidth = 3675;
    static constexpr int kBottom = 6270;

    explicit VectorPlane(QWidget* parent);

    // A red line from the start to the end (in the plane's units) and a circle around the
    // start; `spoken` tells it to screen readers ("вектор от (0; 0) до (3; 4), масштаб 1:120").
    void addVector(const QLineF& vector, int scale, const QString& spoken);
    void erase();

    // Where a point given in the window's twips lies on this part, in pixels.
    QPointF toPixels(QPointF twips) const;

private:
    class Drawings;

    // A rectangle given in the window's twips, placed on the plane.
    QRect placeOf(int left, int top, int width, int height) const;

    qreal scale_;
    Drawings* drawings_ = nullptr;
    QStringList spoken_;
};

} // namespace geometry

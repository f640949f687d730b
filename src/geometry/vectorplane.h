#pragma once

#include "vectorcalc.h"

#include <QWidget>

namespace geometry {

// The lower part of the vector tool: the axes with "0", "X", "Y" and the legend, and over
// them every vector drawn since the last erase. The drawings are kept as plane coordinates
// with their scale and painted afresh each time, so a window passing over them does not wipe
// them out.
class VectorPlane : public QWidget {
public:
    // The part of the window's twips it covers: from the top of the Y axis to the bottom.
    static constexpr int kTop = 3240;
    static constexpr int kWidth = 3675;
    static constexpr int kBottom = 6270;

    explicit VectorPlane(QWidget* parent);

    // A red line from the start to the end (in the plane's units) and a circle around the
    // start.
    void addVector(const QLineF& vector, int scale);
    void erase();

    // Where a point given in the window's twips lies on this part, in pixels.
    static QPointF toPixels(QPointF twips);

private:
    class Drawings;

    Drawings* drawings_ = nullptr;
};

} // namespace geometry

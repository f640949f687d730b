#pragma once

#include "vectorcalc.h"
#include "vectorlayout.h"

#include "common/toolwindow.h"

namespace geometry {

// The vector tool: a vector given by the coordinates of its two ends, its coordinates, length
// and midpoint, and its drawing to scale.
class VectorForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit VectorForm(QWidget* parent = nullptr);

    // Hides the window and erases the drawing, which does not outlast it.
    void closeTool() override;

private:
    // Reads the coordinates X1, X2, Y1, Y2 (an empty one as 0) and the scale (an empty one as
    // 1), in that order; false when a box fails (its message shown) and the key is to do
    // nothing.
    bool readInputs();
    // Reads the boxes and tells whether there is a vector to work on.
    bool readVector();

    void showCoordinates(); // "Найти координату вектора"
    void showLength(); // "Найти расстояние между точками (длину вектора)"
    void showMiddle(); // "Найти координату середины вектора"
    void draw();       // "Нарисовать >>"
    void erase();      // "Очистить"

    VectorControls controls_;
    VectorEnds ends_;
    int scale_ = 0;
};

} // namespace geometry

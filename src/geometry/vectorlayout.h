#pragma once

class QLineEdit;
class QPushButton;
class QWidget;

namespace geometry {

class VectorPlane;

// The vector tool's controls, made by its layout.
struct VectorControls {
    // The ends: the start (x1; y1) and the end (x2; y2).
    QLineEdit* x1;
    QLineEdit* y1;
    QLineEdit* x2;
    QLineEdit* y2;
    // Each key with the boxes it writes.
    QPushButton* lengthKey;
    QLineEdit* length;
    QPushButton* coordinatesKey;
    QLineEdit* coordinateX;
    QLineEdit* coordinateY;
    QPushButton* middleKey;
    QLineEdit* middleX;
    QLineEdit* middleY;
    // The drawing.
    QLineEdit* scale;
    QPushButton* drawKey;
    QPushButton* eraseKey;
    VectorPlane* plane;
};

// Lays the vector tool out on `body`: the heading, the boxes of the two ends, the three keys
// with their results, the scale and the drawing keys, and under them the drawing area. The
// window is as wide as the drawing area, or `minimumWidth` when that is more.
VectorControls layOutVector(QWidget& body, int minimumWidth);

} // namespace geometry

#pragma once

#include <QWidget>

namespace geometry {

// The small picture above the triangle's results: the leg from A at the top down to the right
// angle at C, the leg from C right to B, the hypotenuse from A to B, and the three letters.
class TriangleSketch : public QWidget {
public:
    explicit TriangleSketch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace geometry

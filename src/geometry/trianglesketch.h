#pragma once

#include <QWidget>

namespace geometry {

// The small picture above the triangle's results: the leg from A at the top down to the right
// angle at C, the leg from C right to B, the hypotenuse from A to B, and the three letters.
// Screen readers call it what it shows.
class TriangleSketch : public QWidget {
public:
    explicit TriangleSketch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A point of the sketch as drawn at 96 dpi, at this sketch's size.
    QPoint scaled(QPoint point) const;

    qreal scale_;
};

} // namespace geometry

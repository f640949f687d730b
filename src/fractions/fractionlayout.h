#pragma once

#include <array>

class QLineEdit;
class QPushButton;
class QWidget;

namespace fractions {

// A fraction's two boxes: the numerator over the bar, the denominator under it.
struct FractionBoxes {
    QLineEdit* numerator;
    QLineEdit* denominator;
};

// The operation keys, made by the layout.
struct Keys {
    QPushButton* add;
    QPushButton* subtract;
    QPushButton* multiply;
    QPushButton* divide;
};

// Lays the fraction window out as on a school page: fraction 1, fraction 2, "=" and the result
// side by side with one bar under the numerators, their headings above; the four operation
// keys, the decimal value and the window's `close` key below.
Keys layOutFractions(QWidget& body, const std::array<FractionBoxes, 3>& fractions,
                     QLineEdit& decimal, QPushButton& close);

} // namespace fractions

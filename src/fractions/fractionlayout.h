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

// The window's keys, made by the layout.
struct Keys {
    QPushButton* add;
    QPushButton* subtract;
    QPushButton* multiply;
    QPushButton* divide;
    QPushButton* close;
};

// Lays the fraction window out as on a school page: fraction 1, fraction 2, "=" and the result
// side by side with one bar under the numerators, their headings above; the four operation
// keys, the decimal value and "Закрыть" below.
Keys layOutFractions(QWidget& body, const std::array<FractionBoxes, 3>& fractions,
                     QLineEdit& decimal);

} // namespace fractions

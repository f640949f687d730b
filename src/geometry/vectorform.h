#pragma once

#include "vectorcalc.h"

#include <QMainWindow>

class QLineEdit;

namespace geometry {

class VectorPlane;

// The vector tool: a vector given by the coordinates of its two ends, its coordinates, length
// and midpoint, and its drawing to scale. "Закрыть" only hides it.
class VectorForm : public QMainWindow {
    Q_OBJECT

public:
    static const QString kCaption; // "Цифроид 2 вектор 1.0"

    explicit VectorForm(QWidget* parent = nullptr);

    void kord_Click(); // "Найти координату вектора"
    void dlina_Click(); // "Найти расстояние между точками (длину вектора)"
    void Command1_Click(); // "Найти координату середины вектора"
    void Pict_Click();     // "Нарисовать >>"
    void Clear_Click();    // "Очистить"
    void close_Click();    // menu "Закрыть"
    void opg_Click();      // menu "О программе"

private:
    // Reads the four coordinates and the scale, in that order, into the fields; false when a
    // box fails (its message shown) and the key is to do nothing.
    bool ust();
    // Reads the boxes and tells whether there is a vector to work on.
    bool readVector();

    QLineEdit* tx1_;
    QLineEdit* ty1_;
    QLineEdit* tx2_;
    QLineEdit* ty2_;
    QLineEdit* tRst_;
    QLineEdit* tkordx_;
    QLineEdit* tkordy_;
    QLineEdit* tSerx_;
    QLineEdit* tSery_;
    QLineEdit* mstb_;
    VectorPlane* plane_;

    VectorEnds ends_;
    int mst_ = 0;
};

// Creates the vector tool if needed and shows it; the calculator's "Вектор".
void showVector();

} // namespace geometry

#pragma once

#include "triangle.h"

#include <QMainWindow>
#include <array>

class QLineEdit;

namespace geometry {

// The right-triangle solver: five givens, five results. The two angle boxes are coupled:
// a number typed into one puts its complement to 90 into the other. "Закрыть" only hides it.
class TreugForm : public QMainWindow {
    Q_OBJECT

public:
    static const QString kTitle; // "Цифроид 2 треугольник 1.1"

    explicit TreugForm(QWidget* parent = nullptr);

    void DyA_Change(const QString& text);
    void DyB_Change(const QString& text);
    void Per_Click();      // "Найти >>"
    void Command1_Click(); // "Закрыть", and the menu's "Закрыть"
    void opg_Click();      // "О программе"

private:
    // Puts 90 − (the number in `from`) into `to`; `to`'s own rule does not answer back.
    void couple(const QString& text, QLineEdit& to);
    bool ust();

    std::array<QLineEdit*, kTriangleValues> givenBoxes_{};
    std::array<QLineEdit*, kTriangleValues> resultBoxes_{};
    TriangleGivens givens_;
    int errFlag_ = 0;
    bool coupling_ = false;
};

// Creates the triangle solver if needed and shows it; the calculator's "Треугольник".
void showTriangle();

} // namespace geometry

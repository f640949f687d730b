#pragma once

#include "fraction.h"

#include <QMainWindow>

class QLineEdit;

namespace fractions {

// The fraction calculator: two common fractions, one of the four operations, and the reduced
// result with its decimal value. "Закрыть" only hides it.
class DrobForm : public QMainWindow {
    Q_OBJECT

public:
    static const QString kTitle; // "Цифроид 2 - дробь 1.0"

    explicit DrobForm(QWidget* parent = nullptr);

    void sloz_Click();     // "Сложить ( + )"
    void vct_Click();      // "Вычесть  ( - )"
    void umn_Click();      // "Умножить ( * )"
    void razdelit_Click(); // "Разделить ( / )"
    void close_Click();    // "Закрыть"
    void opg_Click();      // "О программе"

private:
    static constexpr qint16 kErrNone = 0;
    static constexpr qint16 kErrNotNumber = -1;
    static constexpr qint16 kErrZeroDenominator = -2;

    void ust();
    void operate(Operation operation);

    QLineEdit* cl1_;
    QLineEdit* zn1_;
    QLineEdit* cl2_;
    QLineEdit* zn2_;
    QLineEdit* icl_;
    QLineEdit* izn_;
    QLineEdit* itdsv_;

    // The fractions as last read: fraction 1 keeps its typed texts, fraction 2 its numbers.
    QString den1_;
    double den2_ = 0;
    QString num1_;
    double num2_ = 0;
    qint16 errState_ = kErrNone;
};

// Creates the fraction calculator if needed and shows it; the calculator's "Дробный
// калькулятор".
void showFractions();

} // namespace fractions

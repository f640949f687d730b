#pragma once

#include "fraction.h"

#include "common/toolwindow.h"

#include <QString>

class QLineEdit;

namespace fractions {

inline const QString kMessageTitle = QStringLiteral("Цифроид 2 дробь");
inline const QString kZeroDenominator =
    QStringLiteral("Знаменатель у дроби не может равняться нулю!");

// The fraction calculator: two common fractions, one of the four operations, and the reduced
// result with its decimal value.
class DrobForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit DrobForm(QWidget* parent = nullptr);

private:
    // How reading the two fractions went.
    enum class Reading { Numbers, NotNumber, ZeroDenominator };

    Reading readInputs();
    // An operation key: the result of the two fractions as read, or the message that refuses it.
    void apply(Operation operation);

    QLineEdit* cl1_;
    QLineEdit* zn1_;
    QLineEdit* cl2_;
    QLineEdit* zn2_;
    QLineEdit* icl_;
    QLineEdit* izn_;
    QLineEdit* itdsv_;

    // The fractions as last read; a box that is not a number keeps what was read before.
    Fraction first_;
    Fraction second_;
};

} // namespace fractions

#pragma once

#include <QWidget>

class QLineEdit;

namespace equations {

// The linear solver: a·x + b = c for x. "Закрыть" only hides it.
class LINURForm : public QWidget {
    Q_OBJECT

public:
    static const QString kTitle; // "Цифроид 2 - решение линейных уравнений"

    explicit LINURForm(QWidget* parent = nullptr);

    void Command2_Click(); // "Решить >>"
    void Command1_Click(); // "Закрыть"

private:
    QLineEdit* a_;
    QLineEdit* b_;
    QLineEdit* c_;
    QLineEdit* k_;
};

} // namespace equations

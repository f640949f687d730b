#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QRadioButton;

namespace equations {

// The quadratic and biquadratic solver. "Закрыть" only hides it.
class KVURForm : public QWidget {
    Q_OBJECT

public:
    static const QString kTitle; // "Цифроид 2 - решение квадратных и биквадратных уравнений"

    explicit KVURForm(QWidget* parent = nullptr);

    void Command1_Click(); // "Решить >>"
    void Command2_Click(); // "Закрыть"

private:
    QRadioButton* option2_;
    QLineEdit* a_;
    QLineEdit* b_;
    QLineEdit* c_;
    std::array<QLineEdit*, 4> roots_{};
};

} // namespace equations

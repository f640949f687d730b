#pragma once

#include "common/toolwindow.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace equations {

// The quadratic and biquadratic solver.
class KVURForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit KVURForm(QWidget* parent = nullptr);

private:
    // "Решить >>": refuses a zero or empty a, reads b and c (an empty one as 0) and writes the
    // roots of the chosen kind into `k1`..`k4`.
    void solve();

    QRadioButton* biquadratic_;
    std::array<QLineEdit*, 3> coefficients_{}; // a, b, c
    std::array<QLineEdit*, 4> roots_{};
};

} // namespace equations

#pragma once

#include "common/toolwindow.h"

class QLineEdit;

namespace equations {

// The linear solver: a·x + b = c for x.
class LINURForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit LINURForm(QWidget* parent = nullptr);

private:
    // "Решить >>": reads a, b and c (an empty one as 0) and writes the root into `k`.
    void solve();

    QLineEdit* a_;
    QLineEdit* b_;
    QLineEdit* c_;
    QLineEdit* root_;
};

} // namespace equations

#pragma once

#include "common/toolwindow.h"

class QRadioButton;

namespace equations {

// The chooser: which kind of equation to solve. It opens the solver windows and keeps nothing
// but the choice.
class GForm : public common::ToolWindow {
    Q_OBJECT

public:
    explicit GForm(QWidget* parent = nullptr);

private:
    // "Далее >>": opens the chosen solver.
    void next();

    QRadioButton* linear_;
    QRadioButton* quadratic_;
};

} // namespace equations

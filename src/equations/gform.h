#pragma once

#include <QMainWindow>

class QRadioButton;

namespace equations {

// The chooser: which kind of equation to solve. It opens the solver windows and the About
// window, and keeps nothing but the choice. "Закрыть" only hides it.
class GForm : public QMainWindow {
    Q_OBJECT

public:
    static const QString kTitle; // "Цифроид 2 уравнение 1.1"

    explicit GForm(QWidget* parent = nullptr);

    void Command1_Click(); // "Далее >>"
    void Command2_Click(); // "Закрыть"
    void Opg_Click();      // "О программе"

private:
    QRadioButton* option1_;
    QRadioButton* option2_;
};

// Creates the chooser if needed and shows it; the calculator's "Решить уравнение".
void showChooser();

} // namespace equations

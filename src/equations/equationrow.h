#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace equations {

// A row that reads as an equation: one label whose runs of blanks are the places of the
// coefficient boxes, with the boxes lying over those blanks. Every box of a row is equally wide
// and stands clear of the characters on either side; blanks that open the text take no room,
// so the row starts flush with the rest of its window.
class EquationRow : public QWidget {
public:
    // `boxWidth` is the width of every box; `spaceAfter` the room between a box and the
    // characters after it.
    EquationRow(const QString& labelName, const QString& text, int boxWidth, int spaceAfter,
                QWidget* parent);

    QLabel& label() const;

    // Puts the box over the run of blanks that starts at `at`; the text's length stands for a
    // place after the text.
    void placeBox(QLineEdit& box, qsizetype at);
    // Puts the box in front of the label and moves the label after it.
    void placeBoxBefore(QLineEdit& box);
    // Fixes the row's size to what its label and boxes cover.
    void finish();

private:
    class Text;

    int textX(qsizetype index) const;

    Text* label_;
    int boxWidth_;
};

// The width of a coefficient box in its font: a dozen characters in view.
int coefficientBoxWidth(const QLineEdit& box);

// The lines of an equation window, one under the other, on its page.
QVBoxLayout* makeLines(QWidget& body);

// Lays out the equation with its "Решить >>" key at the right end of the line.
void addEquationLine(QBoxLayout& page, EquationRow& row, QPushButton& solve);

} // namespace equations

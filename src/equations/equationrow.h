#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace equations {

// A row that reads as an equation: one label whose runs of blanks are the places of the
// coefficient boxes, with the boxes lying over those blanks.
class EquationRow : public QWidget {
public:
    // `blankWidth` is how wide, in pixels, a run of `blankCount` blanks is drawn: the label's
    // blanks are widened to it so the boxes over them are wide enough to type in.
    EquationRow(const QString& labelName, const QString& text, int blankCount, int blankWidth,
                QWidget* parent);

    QLabel& label() const;

    // Puts the box over the characters [from, to) of the label's text. A `to` past the end of
    // the text stands for that many more blanks after it.
    void placeBox(QLineEdit& box, qsizetype from, qsizetype to);
    // Puts the box in front of the label, as wide as `width`, and moves the label after it.
    void placeBoxBefore(QLineEdit& box, int width);
    // Fixes the row's size to what its label and boxes cover.
    void finish();

private:
    class Text;

    int textX(qsizetype index) const;

    Text* label_;
};

// Lays out the equation with its "Решить >>" key at the right end of the line.
void addEquationLine(QBoxLayout& page, EquationRow& row, QPushButton& solve);

} // namespace equations

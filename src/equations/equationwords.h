#pragma once

#include "solve.h"

#include <QString>
#include <QStringList>

// What the two solver windows say about a verdict: the texts of the result boxes and the
// message shown under kMessageTitle.
namespace equations {

inline const QString kMessageTitle = QStringLiteral("Цифроид 2 уравнение");

// What a screen reader says about the solvers' keys and boxes.
inline const QString kSolveSpoken = QStringLiteral("решить");
inline const QString kBiquadraticOnly = QStringLiteral("Заполняется у биквадратного уравнения");

// The linear solver's verdicts.
inline const QString kAnyNumber = QStringLiteral("бесконечнечное множество");
inline const QString kNoRootsText = QStringLiteral("корней нет");
inline const QString kNoRootsMessage = QStringLiteral("Корней нет");

// The quadratic and biquadratic solver's verdicts.
inline const QString kZeroLeading =
    QStringLiteral("Коофициент при переменной X^2 не должен равняться нулю.");
inline const QString kNoRealRoots = QStringLiteral("В данном уравнении нет корней.");
inline const QString kNoRoots = QStringLiteral("Корней нет.");
inline const QString kOneRootDoubled = QStringLiteral("Один корень(т.к. D=0).");
inline const QString kOneRoot = QStringLiteral("Один корень.");
inline const QString kTwoRoots = QStringLiteral("Два корня.");

struct Answer {
    QStringList boxes; // texts for the result boxes, the first box first; the rest keep theirs
    QString message;   // empty for none
};

// One text for the box `k`; "корней нет" comes with the message "Корней нет", which the window
// shows after writing. An overflow writes no box and says "Переполнение!".
Answer linearAnswer(const LinearSolution& solution);

// The texts for `k1`..`k4`: the quadratic writes two boxes, the biquadratic four, the roots
// first and then what the verdict says; with no real root the message "В данном уравнении нет
// корней." comes with "Корней нет." in those boxes, and the window shows the message before
// writing. A zero a and an overflow give only their message.
Answer quadraticAnswer(Kind kind, const QuadraticSolution& solution);

} // namespace equations

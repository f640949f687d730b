#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Solving a right triangle ABC with the right angle at C, apart from its window: the givens
// come in as the texts read from the input boxes, the texts for the result boxes and the
// messages to show come out.
namespace geometry {

inline const QString kTriangleTitle = QStringLiteral("Цифроид 2 треугольник");
inline const QString kAngleSum = QStringLiteral("Сумма углов должна = 90 ");
inline const QString kHypotenuseAC =
    QStringLiteral("Гипотенуза(AB) должна быть больше катета(AC)!");
inline const QString kHypotenuseBC =
    QStringLiteral("Гипотенуза(AB) должна быть больше катета(BC)!");
inline const QString kCannotFind = QStringLiteral("Невозможно найти");
inline const QString kTriangleOverflow = QStringLiteral("Переполнение!");

// What the user gave, each text already accepted by the numeric check. A zero means "not
// given". Angles are in degrees.
struct TriangleGivens {
    QString angleA;
    QString angleB;
    QString ab; // the hypotenuse
    QString ac; // the leg next to A
    QString bc; // the leg opposite A
};

enum Side { AngleA, AngleB, SideAB, SideAC, SideBC, kTriangleValues };

struct TriangleAnswer {
    // Messages to show in order: every consistency check that fails, or "Переполнение!".
    QStringList messages;
    // Texts for the result boxes A, B, AB, AC, BC; empty when nothing is to be written.
    QStringList boxes;
};

// The consistency checks and the solving steps of "Найти >>". A given angle, AB or AC is
// written back as typed ("5,0" stays "5,0"); BC and every derived value go through the number
// text; what stays zero reads "Невозможно найти". Angles are never derived from two sides.
TriangleAnswer solveTriangle(const TriangleGivens& givens);

} // namespace geometry

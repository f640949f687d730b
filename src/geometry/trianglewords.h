#pragma once

#include "triangle.h"

#include <QString>
#include <QStringList>

// What the triangle solver says about a solution: the texts of its result boxes and its
// messages, shown under kTriangleTitle.
namespace geometry {

inline const QString kTriangleTitle = QStringLiteral("Цифроид 2 треугольник");
inline const QString kAngleSum = QStringLiteral("Сумма углов должна = 90 ");
inline const QString kHypotenuseAC =
    QStringLiteral("Гипотенуза(AB) должна быть больше катета(AC)!");
inline const QString kHypotenuseBC =
    QStringLiteral("Гипотенуза(AB) должна быть больше катета(BC)!");
inline const QString kCannotFind = QStringLiteral("Невозможно найти");

struct TriangleAnswer {
    // Messages to show in order: one for every failed check, or "Переполнение!".
    QStringList messages;
    // Texts for the result boxes A, B, AB, AC, BC; empty when nothing is to be written.
    QStringList boxes;
};

// `typed` holds the givens as the user typed them, in the order of Side. A given angle, AB or AC
// is written back as typed ("5,0" stays "5,0"); BC and every computed value go through the
// number text; what is not found reads "Невозможно найти". The message about AC has the typed
// AB and AC appended.
TriangleAnswer triangleAnswer(const TriangleSolution& solution, const QStringList& typed);

} // namespace geometry

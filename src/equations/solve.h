#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Solving the equations of the two solver windows, apart from the windows: the coefficients
// come in as numbers, the texts for the result boxes and the message to show come out.
namespace equations {

inline const QString kMessageTitle = QStringLiteral("Цифроид 2 уравнение");
inline const QString kOverflow = QStringLiteral("Переполнение!");

// Linear solver verdicts.
inline const QString kAnyNumber = QStringLiteral("бесконечнечное множество");
inline const QString kNoRootsText = QStringLiteral("корней нет");
inline const QString kNoRootsMessage = QStringLiteral("Корней нет");

// Quadratic and biquadratic solver verdicts.
inline const QString kZeroLeading =
    QStringLiteral("Коофициент при переменной X^2 не должен равняться нулю.");
inline const QString kNoRealRoots = QStringLiteral("В данном уравнении нет корней.");
inline const QString kNoRoots = QStringLiteral("Корней нет.");
inline const QString kOneRootDoubled = QStringLiteral("Один корень(т.к. D=0).");
inline const QString kOneRoot = QStringLiteral("Один корень.");
inline const QString kTwoRoots = QStringLiteral("Два корня.");

struct Answer {
    QStringList boxes; // texts for the result boxes, the first box first; the rest keep theirs
    QString message;   // shown under the window's title; empty for none
};

// a·x + b = c. One text for the box `k`; "корней нет" comes with the message "Корней нет",
// which the window shows after writing. Arithmetic beyond the double range gives no text and
// the message "Переполнение!".
Answer solveLinear(double a, double b, double c);

enum class Kind { Quadratic, Biquadratic };

// The roots of a·x² + b·x + c = 0 (a non-zero), shared by both kinds: x1 = (√D − b) / (2a) and
// x2 = (−b − √D) / (2a), or −b / (2a) twice for a zero D. A root whose numerator cancels to
// less than |b| / 10 000 is taken as 2c / (−b ∓ √D) instead, the same value without the lost
// digits. A negative D gives no roots (both 0).
struct QuadraticRoots {
    enum class Discriminant { Negative, Zero, Positive };
    Discriminant discriminant = Discriminant::Negative;
    double x1 = 0;
    double x2 = 0;
};

// Nothing when a root lies beyond the double range.
std::optional<QuadraticRoots> quadraticRoots(double a, double b, double c);

// a·x² + b·x + c = 0 or a·x⁴ + b·x² + c = 0, for `k1`..`k4`. The quadratic writes two boxes,
// the biquadratic four; with no real root the message "В данном уравнении нет корней." comes
// with "Корней нет." in those boxes, and the window shows the message before writing. A zero
// a gives only the message about the coefficient at X^2; a root beyond the double
// range (for the biquadratic, a root y of the substituted equation) gives only "Переполнение!".
Answer solveQuadratic(Kind kind, double a, double b, double c);

} // namespace equations

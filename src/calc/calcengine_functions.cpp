// The scientific keys of the calculator: angle unit, trigonometry, powers, roots,
// logarithms, constants and the two-step keys "x^y" and "sqr^y".
#include "calcengine.h"

#include "common/words.h"

namespace calc {

void CalcEngine::selectUnit(bool degrees) {
    degreesSelected_ = degrees;
    if (valueInDegrees_ == degrees) {
        return;
    }
    if (display() == QLatin1String("0") || display().isEmpty()) {
        valueInDegrees_ = degrees; // nothing to convert; the next switch converts again
        return;
    }
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    const Outcome converted = convertAngle(*x, degrees);
    if (!converted.ok()) {
        report(common::words::faultMessage(converted.fault));
        return;
    }
    showResult(converted.value);
    valueInDegrees_ = degrees;
}

// A key that replaces the display value with a function of it. The pending operation is
// dropped first; the operation line and the new-number flag stay as they are.
void CalcEngine::oneArgument(const std::function<Outcome(const Number&)>& function) {
    pending_ = Pending::None;
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    const Outcome result = function(*x);
    if (!result.ok()) {
        report(common::words::faultMessage(result.fault)); // the display keeps its text
        return;
    }
    showResult(result.value);
}

void CalcEngine::trigKey(Trig function) {
    const bool degrees = degreesSelected_;
    oneArgument([function, degrees](const Number& x) { return trig(function, x, degrees); });
}

void CalcEngine::unaryKey(Unary function) {
    oneArgument([this, function](const Number& x) {
        if (function == Unary::Cube) {
            operand_ = x;
        }
        return unary(function, x);
    });
}

void CalcEngine::constantKey(const Number& value) {
    showResult(value);
}

void CalcEngine::startTwoStep(Pending operation, const QString& line) {
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    operand_ = *x;
    pending_ = operation; // a pending operation is replaced, not finished
    startsNewNumber_ = true;
    operationLine_ = line;
}

void CalcEngine::powerKey() {
    startTwoStep(Pending::Power, kPowerLine);
}

void CalcEngine::rootKey() {
    startTwoStep(Pending::Root, kRootLine);
}

// "acos" and "asin" leave the pending operation alone, so "=" can use the angle.
void CalcEngine::inverse(std::optional<Number> (*function)(const Number&, bool)) {
    const auto v = checkedDisplay();
    if (!v) {
        return;
    }
    display_.setText(kWait);
    host_.showBusy(kWait);
    if (const auto angle = function(*v, degreesSelected_)) {
        showResult(*angle);
    } else {
        display_.setText(kNotFound);
    }
}

void CalcEngine::arcCosKey() {
    inverse(&arcCos);
}

void CalcEngine::arcSinKey() {
    inverse(&arcSin);
}

} // namespace calc

#include "calcengine.h"

#include "keycodes.h"

#include "common/numcheck.h"
#include "common/numtext.h"
#include "common/words.h"

namespace calc {

CalcEngine::CalcEngine(CalcHost& host)
    : host_(host), display_(QStringLiteral("0")), operationLine_(kTecPrefix) {
    for (int i = 0; i < kSlotCount; ++i) {
        slots_[static_cast<std::size_t>(i)] = emptySlotCaption(i);
    }
}

void CalcEngine::load(const QString& startText) {
    if (!startText.isEmpty()) {
        setDisplay(startText);
    }
    valueInDegrees_ = true;
}

// ---------------------------------------------------------------- shared steps

std::optional<double> CalcEngine::checkedDisplay() {
    return common::checkedNumber(display_, [this](const QString& text) { report(text); });
}

void CalcEngine::beginDigits() {
    if (display_ == QLatin1String("0")) {
        display_.clear();
    }
    if (startsNewNumber_) {
        display_.clear();
        startsNewNumber_ = false;
    }
}

void CalcEngine::append(const QString& text) {
    setDisplay(display_ + text);
}

void CalcEngine::showResult(double value) {
    display_ = common::formatNumber(value);
}

// Writes the result of the pending operation and closes it, as "=" does.
void CalcEngine::finishPending(double result) {
    showResult(result);
    pending_ = Pending::None;
    operationLine_ = kTecPrefix;
    startsNewNumber_ = true;
}

// ---------------------------------------------------------------- number entry

void CalcEngine::digits(const QString& text) {
    beginDigits();
    append(text);
}

void CalcEngine::comma() {
    append(QStringLiteral(","));
}

void CalcEngine::backspace() {
    if (!display_.isEmpty()) {
        display_.chop(1);
    }
    if (display_.isEmpty()) {
        display_ = QStringLiteral("0");
    }
}

void CalcEngine::clear() {
    display_ = QStringLiteral("0");
    pending_ = Pending::None;
    operationLine_ = kTecPrefix;
    operand_ = 0;
}

void CalcEngine::negate() {
    if (const auto x = checkedDisplay()) {
        showResult(-*x);
    }
}

void CalcEngine::paste(const QString& clipboard) {
    setDisplay(clipboard.section(QLatin1Char('\n'), 0, 0).trimmed());
}

// ---------------------------------------------------------------- arithmetic

void CalcEngine::operatorKey(Pending operation) {
    if (!checkedDisplay()) {
        return;
    }
    if (pending_ != Pending::None) {
        equals();
    }
    operand_ = common::parseNumber(display_).value_or(0);
    pending_ = operation;
    startsNewNumber_ = true;
    operationLine_ = kTecPrefix + pendingSign(operation);
}

void CalcEngine::equals() {
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    double b = *x;
    if (pending_ == Pending::Power && b < 0) {
        pending_ = Pending::ReciprocalPower;
        b = -b;
    }
    if (pending_ == Pending::None) {
        return;
    }
    const Outcome result = applyPending(pending_, operand_, b);
    if (!result.ok()) {
        report(common::words::faultMessage(result.fault)); // then "0", as after a division by zero
    }
    finishPending(result.ok() ? result.value : 0);
}

void CalcEngine::percent() {
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    if (pending_ == Pending::None) {
        return; // nothing is shown, so nothing is reported either
    }
    const Outcome result = percentOf(pending_, operand_, *x);
    if (!result.ok()) {
        report(common::words::faultMessage(result.fault));
    }
    showResult(result.ok() ? result.value : 0);
    pending_ = Pending::None;
    operationLine_ = kTecPrefix;
}

// ---------------------------------------------------------------- memory

void CalcEngine::selectSlot(int slot) {
    if (slot >= 0 && slot < kSlotCount) {
        selectedSlot_ = slot;
    }
}

bool CalcEngine::slotEmpty(int slot) const {
    return slotCaption(slot) == emptySlotCaption(slot);
}

// Adds a value to the selected slot; an empty slot takes the given caption instead.
void CalcEngine::combineWithSlot(double addend, const QString& emptyCaption) {
    QString& caption = slots_[static_cast<std::size_t>(selectedSlot_)];
    if (slotEmpty(selectedSlot_)) {
        caption = emptyCaption;
        return;
    }
    // A caption that does not read is reported, never taken as 0.
    const auto stored =
        common::checkedNumber(caption, [this](const QString& text) { report(text); });
    if (!stored) {
        return;
    }
    const Outcome sum = finite(*stored + addend);
    if (!sum.ok()) {
        report(common::words::faultMessage(sum.fault)); // the slot keeps its value
        return;
    }
    caption = common::formatNumber(sum.value);
}

void CalcEngine::memoryAdd() {
    if (const auto x = checkedDisplay()) {
        combineWithSlot(*x, display_); // an empty slot keeps the display text as typed
    }
}

void CalcEngine::memorySubtract() {
    if (const auto x = checkedDisplay()) {
        combineWithSlot(-*x, common::formatNumber(-*x));
    }
}

void CalcEngine::memoryRecall() {
    if (!slotEmpty(selectedSlot_)) {
        display_ = slotCaption(selectedSlot_);
    }
}

void CalcEngine::memoryClear() {
    slots_[static_cast<std::size_t>(selectedSlot_)] = emptySlotCaption(selectedSlot_);
}

// ---------------------------------------------------------------- keyboard

void CalcEngine::keyDown(int virtualKey) {
    QString typed;
    if (virtualKey >= vk::k0 && virtualKey <= vk::k9) {
        typed = QString::number(virtualKey - vk::k0);
    } else if (virtualKey >= vk::kKeypad0 && virtualKey <= vk::kKeypad9) {
        typed = QString::number(virtualKey - vk::kKeypad0);
    } else if (virtualKey == vk::kDecimal) {
        typed = QStringLiteral(",");
    }
    switch (virtualKey) {
    case vk::kBackspace:
        backspace();
        return;
    case vk::kAdd:
        operatorKey(Pending::Add);
        return;
    case vk::kDivide:
        operatorKey(Pending::Divide);
        return;
    case vk::kMultiply:
        operatorKey(Pending::Multiply);
        return;
    case vk::kSubtract:
        operatorKey(Pending::Subtract);
        return;
    case vk::kSeparator:
    case vk::kEnter:
        equals();
        return;
    case vk::kC:
        clear();
        return;
    case vk::kM:
        memoryAdd();
        return;
    case vk::kR:
        memoryRecall();
        return;
    default:
        beginDigits();
        append(typed);
    }
}

} // namespace calc

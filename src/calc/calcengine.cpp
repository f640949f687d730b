#include "calcengine.h"

#include "keycodes.h"

#include "common/numcheck.h"
#include "common/numtext.h"
#include "common/words.h"

namespace calc {

CalcEngine::CalcEngine(CalcHost& host)
    : host_(host), display_(QStringLiteral("0")), operationLine_(kTecPrefix) {
    for (int i = 0; i < kSlotCount; ++i) {
        slots_[static_cast<std::size_t>(i)] = Entry(emptySlotCaption(i));
    }
}

void CalcEngine::load(const QString& startText) {
    if (!startText.isEmpty()) {
        setDisplay(startText);
    }
    valueInDegrees_ = true;
}

// ---------------------------------------------------------------- shared steps

std::optional<Number> CalcEngine::checkedDisplay() {
    return display_.value([this](const QString& text) { report(text); });
}

void CalcEngine::beginDigits() {
    if (display() == QLatin1String("0")) {
        display_.setText({});
    }
    if (startsNewNumber_) {
        display_.setText({});
        startsNewNumber_ = false;
    }
}

void CalcEngine::append(const QString& text) {
    setDisplay(display() + text);
}

void CalcEngine::showResult(const Number& value) {
    display_.show(value);
}

// Writes the result of the pending operation and closes it, as "=" does.
void CalcEngine::finishPending(const Number& result) {
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
    QString text = display();
    text.chop(1);
    display_.setText(text.isEmpty() ? QStringLiteral("0") : text);
}

void CalcEngine::clear() {
    display_.setText(QStringLiteral("0"));
    pending_ = Pending::None;
    operationLine_ = kTecPrefix;
    operand_ = Number();
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
    auto x = checkedDisplay();
    if (!x) {
        return;
    }
    if (pending_ != Pending::None) {
        equals();
        x = display_.value(); // the result just shown, kept exact behind its text
    }
    operand_ = x.value_or(Number());
    pending_ = operation;
    startsNewNumber_ = true;
    operationLine_ = kTecPrefix + pendingSign(operation);
}

void CalcEngine::equals() {
    const auto x = checkedDisplay();
    if (!x) {
        return;
    }
    if (pending_ == Pending::None) {
        return;
    }
    const Outcome result = applyPending(pending_, operand_, *x);
    if (!result.ok()) {
        report(common::words::faultMessage(result.fault)); // then "0", as after a division by zero
    }
    finishPending(result.ok() ? result.value : Number());
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
    showResult(result.ok() ? result.value : Number());
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

void CalcEngine::combineWithSlot(const Number& addend, bool keepTypedText) {
    Entry& slot = slots_[static_cast<std::size_t>(selectedSlot_)];
    if (slotEmpty(selectedSlot_)) {
        if (keepTypedText) {
            slot = display_;
        } else {
            slot.show(addend);
        }
        return;
    }
    // A caption that does not read is reported, never taken as 0.
    const auto stored = slot.value([this](const QString& text) { report(text); });
    if (!stored) {
        return;
    }
    const Outcome sum = common::shown(*stored + addend);
    if (!sum.ok()) {
        report(common::words::faultMessage(sum.fault)); // the slot keeps its value
        return;
    }
    slot.show(sum.value);
}

void CalcEngine::memoryAdd() {
    if (const auto x = checkedDisplay()) {
        combineWithSlot(*x, true); // an empty slot keeps the display text as typed
    }
}

void CalcEngine::memorySubtract() {
    if (const auto x = checkedDisplay()) {
        combineWithSlot(-*x, false);
    }
}

void CalcEngine::memoryRecall() {
    if (!slotEmpty(selectedSlot_)) {
        display_ = slots_[static_cast<std::size_t>(selectedSlot_)];
    }
}

void CalcEngine::memoryClear() {
    slots_[static_cast<std::size_t>(selectedSlot_)] = Entry(emptySlotCaption(selectedSlot_));
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

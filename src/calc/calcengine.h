#pragma once

#include "arith.h"
#include "calctexts.h"
#include "entry.h"
#include "scimath.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace calc {

// Everything the engine needs from the window it runs in.
class CalcHost {
public:
    virtual ~CalcHost() = default;
    // A modal message box with the calculator's title.
    virtual void message(const QString& text) = 0;
    // Puts a text into the display and paints it at once, before a longer computation.
    virtual void showBusy(const QString& text) = 0;
};

// The calculator behind the main window: the display text, the pending operation, the
// operands, the memory slots and the angle unit. It knows nothing of widgets; the window
// forwards key presses here and shows the state afterwards.
class CalcEngine {
public:
    static constexpr int kSlotCount = 5;
    // The longest display text, the display box's limit: what the box shows is exactly the
    // text the keys compute with.
    static constexpr int kDisplayLimit = 32767;

    explicit CalcEngine(CalcHost& host);

    // --- state the window shows
    const QString& display() const { return display_.text(); }
    // The display text as edited in the box: unchecked, cut at the limit.
    void setDisplay(const QString& text) { display_.setText(text.left(kDisplayLimit)); }
    const QString& operationLine() const { return operationLine_; }
    Pending pending() const { return pending_; }
    // The first operand of the pending operation.
    const Number& operand() const { return operand_; }
    // The next digit starts a new number in place of the display text.
    bool startsNewNumber() const { return startsNewNumber_; }
    // The unit the display value is in: what a switch of the unit converts from.
    bool valueInDegrees() const { return valueInDegrees_; }
    bool degreesSelected() const { return degreesSelected_; }

    // --- start-up: a non-empty command-line text becomes the display text, unchecked
    void load(const QString& startText);

    // --- number entry
    void digits(const QString& text); // "0" … "9" and "00"
    void comma();
    void backspace();
    void clear();
    void negate();
    // A paste while the keys have the focus: the clipboard's first line, trimmed, becomes the
    // display text, unchecked, as if typed into the display.
    void paste(const QString& clipboard);

    // --- two-operand arithmetic
    void operatorKey(Pending operation); // "+", "-", "*", "/"
    void equals();
    void percent();

    // --- memory
    QString slotCaption(int slot) const { return slots_[static_cast<std::size_t>(slot)].text(); }
    int selectedSlot() const { return selectedSlot_; }
    void selectSlot(int slot);
    bool slotEmpty(int slot) const;
    void memoryAdd();
    void memorySubtract();
    void memoryRecall();
    void memoryClear();

    // --- angle unit: the option button just chosen (true = degrees)
    void selectUnit(bool degrees);

    // --- scientific keys
    void trigKey(Trig function);
    void unaryKey(Unary function);
    void constantKey(const Number& value); // "e" and "pi"
    void powerKey();                       // "x^y"
    void rootKey();                        // "sqr^y"
    void arcCosKey();
    void arcSinKey();

    // --- keyboard: a Windows virtual-key code
    void keyDown(int virtualKey);

private:
    // Before a digit: a lone "0" or a shown result gives way to the new number.
    void beginDigits();
    void append(const QString& text);
    std::optional<Number> checkedDisplay();
    void showResult(const Number& value);
    void finishPending(const Number& result);
    void report(const QString& text) { host_.message(text); }
    // Adds a value to the selected slot. An empty slot takes the value itself, or the display's
    // text as typed when `keepTypedText` is set.
    void combineWithSlot(const Number& addend, bool keepTypedText);
    void oneArgument(const std::function<Outcome(const Number&)>& function);
    void startTwoStep(Pending operation, const QString& line);
    void inverse(std::optional<Number> (*function)(const Number&, bool));

    CalcHost& host_;
    Entry display_;
    QString operationLine_;
    Number operand_;
    Pending pending_ = Pending::None;
    bool startsNewNumber_ = false;
    bool valueInDegrees_ = false;
    bool degreesSelected_ = true;
    std::array<Entry, kSlotCount> slots_;
    int selectedSlot_ = 0;
};

} // namespace calc

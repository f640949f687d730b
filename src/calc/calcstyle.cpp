#include "calcstyle.h"

#include "common/suitelook.h"

#include <QLineEdit>
#include <QPushButton>

namespace calc {

namespace {

constexpr int kDisplayPoints = 12;
constexpr int kDisplayHeight = 36;

// The least sizes of the keys: the keypad's large keys, the scientific and memory keys, and the
// tool keys, as wide as their captions.
constexpr QSize kMainKey{40, 32};
constexpr QSize kScienceKey{44, 26};
constexpr QSize kMemoryKey{56, 26};
constexpr QSize kToolKey{0, 30};

struct KeyLook {
    common::Look look;
    bool displayFont; // otherwise the window's own
    QSize least;
};

KeyLook keyLookOf(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
        return {common::Look::Digit, true, kMainKey};
    case KeyKind::Operator:
        return {common::Look::Operator, true, kMainKey};
    case KeyKind::Equals:
        return {common::Look::Equals, true, kMainKey};
    case KeyKind::Edit:
        return {common::Look::Edit, true, kMainKey};
    case KeyKind::Off:
        return {common::Look::Off, true, kMainKey};
    case KeyKind::Science:
        return {common::Look::Science, false, kScienceKey};
    case KeyKind::Memory:
        return {common::Look::Memory, false, kMemoryKey};
    case KeyKind::Tool:
        return {common::Look::Tool, false, kToolKey};
    case KeyKind::Option:
        break;
    }
    return {common::Look::Digit, false, {}};
}

} // namespace

void styleKey(QPushButton& key, KeyKind kind) {
    const KeyLook look = keyLookOf(kind);
    common::setLook(key, look.look);
    common::setCompactKey(key);
    if (look.displayFont) {
        useDisplayFont(key);
    }
    key.setMinimumSize(look.least);
}

void useDisplayFont(QWidget& control) {
    QFont font = control.font();
    font.setPointSize(kDisplayPoints);
    font.setBold(true);
    control.setFont(font);
}

void styleDisplay(QLineEdit& display) {
    common::setLook(display, common::Look::Display);
    useDisplayFont(display);
    display.setMinimumHeight(kDisplayHeight);
    display.setTextMargins(6, 0, 6, 0);
}

void styleBanner(QWidget& banner) {
    common::setLook(banner, common::Look::Ticker);
}

} // namespace calc

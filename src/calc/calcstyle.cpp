#include "calcstyle.h"

#include "common/suitelook.h"

#include <QLineEdit>
#include <QPushButton>

namespace calc {

namespace {

constexpr int kDisplayPoints = 12;

struct KeyLook {
    common::Look look;
    bool displayFont; // otherwise the window's own
    QSize least;
};

KeyLook keyLookOf(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
        return {common::Look::Digit, true, {40, 32}};
    case KeyKind::Operator:
        return {common::Look::Operator, true, {40, 32}};
    case KeyKind::Equals:
        return {common::Look::Equals, true, {40, 32}};
    case KeyKind::Edit:
        return {common::Look::Edit, true, {40, 32}};
    case KeyKind::Off:
        return {common::Look::Off, true, {40, 32}};
    case KeyKind::Science:
        return {common::Look::Science, false, {44, 26}};
    case KeyKind::Memory:
        return {common::Look::Memory, false, {56, 26}};
    case KeyKind::Tool:
        return {common::Look::Tool, false, {0, 30}};
    }
    return {common::Look::Digit, false, {}};
}

} // namespace

QString keyKindName(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
        return QStringLiteral("digit");
    case KeyKind::Operator:
        return QStringLiteral("operator");
    case KeyKind::Equals:
        return QStringLiteral("equals");
    case KeyKind::Edit:
        return QStringLiteral("edit");
    case KeyKind::Off:
        return QStringLiteral("off");
    case KeyKind::Science:
        return QStringLiteral("science");
    case KeyKind::Memory:
        return QStringLiteral("memory");
    case KeyKind::Tool:
        return QStringLiteral("tool");
    }
    return {};
}

void styleKey(QPushButton& key, KeyKind kind) {
    const KeyLook look = keyLookOf(kind);
    key.setProperty("kind", keyKindName(kind));
    common::setLook(key, look.look);
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
    display.setMinimumHeight(36);
    display.setTextMargins(6, 0, 6, 0);
}

void styleBanner(QLineEdit& banner) {
    common::setLook(banner, common::Look::Ticker);
    banner.setTextMargins(4, 1, 4, 1);
}

} // namespace calc

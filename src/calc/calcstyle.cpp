#include "calcstyle.h"

#include "common/suitelook.h"

#include <QLineEdit>
#include <QPushButton>

namespace calc {

namespace {

struct KeyLook {
    common::Look look;
    int points; // 0: the window's own size
    bool bold;
    QSize least;
};

KeyLook keyLookOf(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
        return {common::Look::Digit, 11, true, {40, 32}};
    case KeyKind::Operator:
        return {common::Look::Operator, 11, true, {40, 32}};
    case KeyKind::Equals:
        return {common::Look::Equals, 13, true, {40, 32}};
    case KeyKind::Edit:
        return {common::Look::Edit, 0, true, {40, 32}};
    case KeyKind::Off:
        return {common::Look::Off, 0, true, {40, 32}};
    case KeyKind::Science:
        return {common::Look::Science, 0, false, {44, 26}};
    case KeyKind::Memory:
        return {common::Look::Memory, 0, false, {56, 26}};
    case KeyKind::Tool:
        return {common::Look::Tool, 0, false, {0, 30}};
    }
    return {common::Look::Digit, 0, false, {}};
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
    QFont font = key.font();
    if (look.points > 0) {
        font.setPointSize(look.points);
    }
    font.setBold(look.bold);
    key.setFont(font);
    key.setMinimumSize(look.least);
}

void styleDisplay(QLineEdit& display) {
    common::setLook(display, common::Look::Display);
    QFont font = display.font();
    font.setPointSize(12);
    font.setBold(true);
    display.setFont(font);
    display.setMinimumHeight(36);
    display.setTextMargins(6, 0, 6, 0);
}

void styleBanner(QLineEdit& banner) {
    common::setLook(banner, common::Look::Ticker);
    banner.setTextMargins(4, 1, 4, 1);
}

} // namespace calc

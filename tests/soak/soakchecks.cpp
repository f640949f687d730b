#include "soakchecks.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

namespace soak {

namespace {

// The program's message texts; two of them end with texts of the user's or the machine's.
const QStringList kMessages{
    "Введены нечисловые данные",
    "На ноль делить нельзя!",
    "Недопустимый аргумент функции!",
    "Переполнение!",
    "Найти невозможно",
    "Новые функции в калькуляторе: x*10",
    "Корней нет",
    "Коофициент при переменной X^2 не должен равняться нулю.",
    "В данном уравнении нет корней.",
    "Сумма углов должна = 90 ",
    "Гипотенуза(AB) должна быть больше катета(BC)!",
    "Невозможно найти",
    "Знаменатель у дроби не может равняться нулю!",
};
const QStringList kMessagePrefixes{
    "Не найден файл справки ",
    "Гипотенуза(AB) должна быть больше катета(AC)!",
};
const QStringList kTitles{
    "Цифроид 2 калькулятор", "Цифроид 2.26",     "Цифроид 2 уравнение",
    "Цифроид 2 треугольник", "Цифроид 2 вектор", "Цифроид 2 дробь",
};

QString firstBad(const QString& text) {
    return showsNonNumber(text) ? text.left(80) : QString();
}

const QRegularExpression& nonNumberPattern() {
    static const QRegularExpression pattern(QStringLiteral("(?<![a-z])(inf|nan)(?![a-z])"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

} // namespace

bool showsNonNumber(const QString& text) {
    return nonNumberPattern().match(text).hasMatch();
}

bool isKnownMessage(const QString& title, const QString& text) {
    if (!kTitles.contains(title)) {
        return false;
    }
    if (kMessages.contains(text)) {
        return true;
    }
    for (const QString& prefix : kMessagePrefixes) {
        if (text.startsWith(prefix)) {
            return true;
        }
    }
    return false;
}

void TypedTexts::remember(QLineEdit& box) {
    typed_.insert(&box, {&box, box.text()});
}

bool TypedTexts::typedHere(const QLineEdit& box) const {
    const auto found = typed_.constFind(&box);
    if (found == typed_.cend() || found->box.isNull()) {
        return false;
    }
    // Keys may have edited the typed text since; each "inf" or "nan" shown, spelt as shown,
    // must come from it.
    auto matches = nonNumberPattern().globalMatch(box.text());
    while (matches.hasNext()) {
        if (!found->text.contains(matches.next().captured())) {
            return false;
        }
    }
    return true;
}

QString nonNumberShown(QWidget& window, const TypedTexts& typed) {
    if (QString bad = firstBad(window.windowTitle()); !bad.isEmpty()) {
        return bad;
    }
    const auto boxes = window.findChildren<QLineEdit*>();
    for (const QLineEdit* box : boxes) {
        if (showsNonNumber(box->text()) && !typed.typedHere(*box)) {
            return box->objectName() + QStringLiteral(": ") + box->text().left(80);
        }
    }
    QStringList shown;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (const QAbstractButton* key : window.findChildren<QAbstractButton*>()) {
        shown << key->text();
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        shown << frame->title();
    }
    for (const QString& text : shown) {
        if (QString bad = firstBad(text); !bad.isEmpty()) {
            return bad;
        }
    }
    return {};
}

} // namespace soak

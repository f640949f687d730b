#pragma once

#include "calc/keytable.h"

#include <QString>
#include <QStringList>
#include <QtTest>
#include <functional>

// The calculator's own texts that the tests look for.
inline const QString kTec = QStringLiteral("Текущее действие: ");
inline const QString kPowerLine = QStringLiteral("Текущее действие: степень y");
inline const QString kRootLine = QStringLiteral("Текущее действие: извлечение корня степени y");
inline const QString kNaN = QStringLiteral("Введены нечисловые данные");
inline const QString kDiv0 = QStringLiteral("На ноль делить нельзя!");
inline const QString kBad = QStringLiteral("Недопустимый аргумент функции!");
inline const QString kOverflow = QStringLiteral("Переполнение!");
inline const QString kNotFound = QStringLiteral("Найти невозможно");

// A key script is a list of tokens separated by spaces:
//   12,5      digits and commas, one key each ("00" is the double-zero key)
//   + - * / = % C bk +/- m+ m- Mrc Clear and the scientific captions   that key
//   p1 … p5, Rad, Grad   select that option button
//   [text]    the display text as if typed into it (no spaces inside)
// `key` gets each key's objectName in turn, `typed` each typed display text.
inline void playScript(const QString& script, const std::function<void(const QString&)>& key,
                       const std::function<void(const QString&)>& typed) {
    const auto tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        if (token.startsWith(QLatin1Char('[')) && token.endsWith(QLatin1Char(']'))) {
            typed(token.mid(1, token.size() - 2));
        } else if (const calc::Key* byCaption = calc::keyCaptioned(token)) {
            key(QString::fromLatin1(byCaption->name));
        } else if (calc::keyNamed(token) != nullptr ||
                   (token.size() == 2 && token.startsWith(QLatin1Char('p')))) {
            key(token);
        } else {
            for (const QChar c : token) {
                const calc::Key* single = calc::keyCaptioned(QString(c));
                if (single == nullptr) {
                    qFatal("unknown key token %s", qPrintable(token));
                }
                key(QString::fromLatin1(single->name));
            }
        }
    }
}

// Tables of key scripts: the keys pressed on a fresh calculator, and the display, operation
// line and messages it shows afterwards.
inline void addScriptColumns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("messages");
}

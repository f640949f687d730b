#pragma once

#include <QHash>
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
    static const QHash<QString, QString> names{
        {"1", "B1"},          {"2", "B2"},           {"3", "B3"},          {"4", "B4"},
        {"5", "B5"},          {"6", "B6"},           {"7", "B7"},          {"8", "B8"},
        {"9", "B9"},          {"0", "null"},         {"00", "tynull"},     {",", "Tck"},
        {"+", "plus"},        {"-", "minus"},        {"*", "umn"},         {"/", "delit"},
        {"=", "ravno"},       {"%", "procent"},      {"C", "CE"},          {"bk", "bk"},
        {"+/-", "Command3"},  {"m+", "Command5"},    {"m-", "Command6"},   {"Mrc", "Command4"},
        {"Clear", "Clear"},   {"p1", "p1"},          {"p2", "p2"},         {"p3", "p3"},
        {"p4", "p4"},         {"p5", "p5"},          {"Rad", "Rad"},       {"Grad", "Grad"},
        {"sin", "sin1"},      {"cos", "cos1"},       {"tg", "tg1"},        {"ctg", "ctg1"},
        {"sc", "sc1"},        {"csc", "csc1"},       {"acos", "acs"},      {"asin", "asn"},
        {"x^2", "X2"},        {"x^3", "X3"},         {"sqr", "sqr1"},      {"2^x", "Command13"},
        {"e^x", "Command10"}, {"pi^x", "Command11"}, {"exp", "Command12"}, {"10^x", "x10"},
        {"ln", "Command9"},   {"int", "log2"},       {"1/x", "onedx"},     {"x*10", "Command14"},
        {"x/10", "xd10"},     {"e", "cnste"},        {"pi", "cpi"},        {"x^y", "xy"},
        {"sqr^y", "exp1"},
    };
    const auto tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        if (token.startsWith(QLatin1Char('[')) && token.endsWith(QLatin1Char(']'))) {
            typed(token.mid(1, token.size() - 2));
        } else if (const auto found = names.constFind(token); found != names.cend()) {
            key(*found);
        } else {
            for (const QChar c : token) {
                if (!(c.isDigit() || c == QLatin1Char(','))) {
                    qFatal("unknown key token %s", qPrintable(token));
                }
                key(names.value(QString(c)));
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

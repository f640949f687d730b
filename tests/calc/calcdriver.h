#pragma once

#include "calc/calcform.h"
#include "support/recorders.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// The calculator's own texts that the tests look for.
inline const QString kTec = QStringLiteral("Текущее действие: ");
inline const QString kPowerLine = QStringLiteral("Текущее действие: степень y");
inline const QString kRootLine = QStringLiteral("Текущее действие: извлечение корня степени y");
inline const QString kNaN = QStringLiteral("Введены нечисловые данные");
inline const QString kDiv0 = QStringLiteral("На ноль делить нельзя!");
inline const QString kBad = QStringLiteral("Недопустимый аргумент функции!");
inline const QString kOverflow = QStringLiteral("Переполнение!");
inline const QString kNotFound = QStringLiteral("Найти невозможно");

// Drives a real calculator window the way a person does: by clicking its keys.
// A script is a list of tokens separated by spaces:
//   12,5      digits and commas, one key each ("00" is the double-zero key)
//   + - * / = % C bk +/- m+ m- Mrc Clear and the scientific captions   that key
//   p1 … p5, Rad, Grad   select that option button with a click
//   [text]    the display text as if typed into it (no spaces inside)
class CalcDriver {
public:
    explicit CalcDriver(const QString& startText = {})
        : form(std::make_unique<calc::CalcForm>(startText)) {}

    calc::CalcForm& window() { return *form; }

    template <typename T = QWidget> T* control(const QString& name) {
        auto* widget = form->findChild<T*>(name);
        if (!widget) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    QString display() { return control<QLineEdit>(QStringLiteral("calc"))->text(); }
    QString operationLine() { return control<QLabel>(QStringLiteral("Tec"))->text(); }
    QString slot(int n) { return control<QRadioButton>(QStringLiteral("p%1").arg(n))->text(); }
    void setDisplay(const QString& text) {
        control<QLineEdit>(QStringLiteral("calc"))->setText(text);
    }

    void click(const QString& name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    void press(const QString& script) {
        const auto tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& token : tokens) {
            pressToken(token);
        }
    }

    MessageRecorder messages;

private:
    void pressToken(const QString& token) {
        if (token.startsWith(QLatin1Char('[')) && token.endsWith(QLatin1Char(']'))) {
            setDisplay(token.mid(1, token.size() - 2));
            return;
        }
        if (const QString name = keyName(token); !name.isEmpty()) {
            click(name);
            return;
        }
        if (token == QLatin1String("00")) {
            click(QStringLiteral("tynull"));
            return;
        }
        for (const QChar c : token) {
            const QString name = keyName(QString(c));
            if (name.isEmpty() || !(c.isDigit() || c == QLatin1Char(','))) {
                qFatal("unknown key token %s", qPrintable(token));
            }
            click(name);
        }
    }

    static QString keyName(const QString& token) {
        static const QHash<QString, QString> names{
            {"1", "B1"},          {"2", "B2"},          {"3", "B3"},
            {"4", "B4"},          {"5", "B5"},          {"6", "B6"},
            {"7", "B7"},          {"8", "B8"},          {"9", "B9"},
            {"0", "null"},        {",", "Tck"},         {"+", "plus"},
            {"-", "minus"},       {"*", "umn"},         {"/", "delit"},
            {"=", "ravno"},       {"%", "procent"},     {"C", "CE"},
            {"bk", "bk"},         {"+/-", "Command3"},  {"m+", "Command5"},
            {"m-", "Command6"},   {"Mrc", "Command4"},  {"Clear", "Clear"},
            {"p1", "p1"},         {"p2", "p2"},         {"p3", "p3"},
            {"p4", "p4"},         {"p5", "p5"},         {"Rad", "Rad"},
            {"Grad", "Grad"},     {"sin", "sin1"},      {"cos", "cos1"},
            {"tg", "tg1"},        {"ctg", "ctg1"},      {"sc", "sc1"},
            {"csc", "csc1"},      {"acos", "acs"},      {"asin", "asn"},
            {"x^2", "X2"},        {"x^3", "X3"},        {"sqr", "sqr1"},
            {"2^x", "Command13"}, {"e^x", "Command10"}, {"pi^x", "Command11"},
            {"exp", "Command12"}, {"10^x", "x10"},      {"ln", "Command9"},
            {"int", "log2"},      {"1/x", "onedx"},     {"x*10", "Command14"},
            {"x/10", "xd10"},     {"e", "cnste"},       {"pi", "cpi"},
            {"x^y", "xy"},        {"sqr^y", "exp1"},
        };
        return names.value(token);
    }

    std::unique_ptr<calc::CalcForm> form;
};

// Tables of key scripts: the keys pressed on a fresh window, and the display, operation line
// and messages it shows afterwards.
inline void addScriptColumns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("messages");
}

inline void checkScriptRow() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QString, line);
    QFETCH(QStringList, messages);

    CalcDriver calc;
    calc.press(script);
    QCOMPARE(calc.display(), display);
    QCOMPARE(calc.operationLine(), line);
    QCOMPARE(calc.messages.texts(), messages);
    for (const auto& [title, text] : calc.messages.shown) {
        QCOMPARE(title, QStringLiteral("Цифроид 2 калькулятор"));
    }
    QVERIFY(!calc.display().contains(QLatin1String("inf"), Qt::CaseInsensitive));
    QVERIFY(!calc.display().contains(QLatin1String("nan"), Qt::CaseInsensitive));
}

#include "keytable.h"

#include "calcengine.h"

namespace calc {

namespace {

using Press = std::function<void(CalcEngine&)>;

Key digit(const char* name, const char* digits, int row, int column) {
    return {name,
            digits,
            KeyKind::Digit,
            KeyGroup::Keypad,
            row,
            column,
            [text = QString::fromLatin1(digits)](CalcEngine& e) { e.digits(text); }};
}

Key operation(const char* name, const char* sign, Pending operation, int row) {
    return {name, sign, KeyKind::Operator, KeyGroup::Keypad, row, 3, [operation](CalcEngine& e) {
                e.operatorKey(operation);
            }};
}

Key science(const char* name, const char* caption, int row, int column, Press press) {
    return {name, caption, KeyKind::Science, KeyGroup::Science, row, column, std::move(press)};
}

Key trig(const char* name, const char* caption, Trig function, int row, int column) {
    return science(name, caption, row, column, [function](CalcEngine& e) { e.trigKey(function); });
}

Key unary(const char* name, const char* caption, Unary function, int row, int column) {
    return science(name, caption, row, column, [function](CalcEngine& e) { e.unaryKey(function); });
}

Key memory(const char* name, const char* caption, int row, Press press) {
    return {name, caption, KeyKind::Memory, KeyGroup::Memory, row, 0, std::move(press)};
}

Key tool(const char* name, const char* caption, int row, int column, Command command) {
    return {name, caption, KeyKind::Tool, KeyGroup::Tools, row, column, {}, command};
}

} // namespace

const std::vector<Key>& keys() {
    static const std::vector<Key> table{
        {"Rad", "Радианы", KeyKind::Option, KeyGroup::Unit, 0, 0,
         [](CalcEngine& e) { e.selectUnit(false); }},
        {"Grad", "Градусы", KeyKind::Option, KeyGroup::Unit, 0, 1,
         [](CalcEngine& e) { e.selectUnit(true); }},

        trig("sin1", "sin", Trig::Sin, 0, 0),
        trig("cos1", "cos", Trig::Cos, 0, 1),
        trig("tg1", "tg", Trig::Tan, 0, 2),
        trig("ctg1", "ctg", Trig::Cot, 0, 3),
        trig("sc1", "sc", Trig::Sec, 0, 4),
        trig("csc1", "csc", Trig::Csc, 1, 0),
        science("acs", "acos", 1, 1, [](CalcEngine& e) { e.arcCosKey(); }),
        science("asn", "asin", 1, 2, [](CalcEngine& e) { e.arcSinKey(); }),
        unary("X2", "x^2", Unary::Square, 1, 3),
        unary("X3", "x^3", Unary::Cube, 1, 4),
        science("xy", "x^y", 2, 0, [](CalcEngine& e) { e.powerKey(); }),
        unary("sqr1", "sqr", Unary::Sqrt, 2, 1),
        science("exp1", "sqr^y", 2, 2, [](CalcEngine& e) { e.rootKey(); }),
        unary("onedx", "1/x", Unary::Reciprocal, 2, 3),
        unary("log2", "int", Unary::Floor, 2, 4),
        unary("Command13", "2^x", Unary::Pow2, 3, 0),
        unary("x10", "10^x", Unary::Pow10, 3, 1),
        unary("Command10", "e^x", Unary::PowE, 3, 2),
        unary("Command12", "exp", Unary::Exp, 3, 3),
        unary("Command9", "ln", Unary::Ln, 3, 4),
        unary("Command11", "pi^x", Unary::PowPi, 4, 0),
        unary("Command14", "x*10", Unary::Times10, 4, 1),
        unary("xd10", "x/10", Unary::Div10, 4, 2),
        science("cnste", "e", 4, 3, [](CalcEngine& e) { e.constantKey(constantE()); }),
        science("cpi", "pi", 4, 4, [](CalcEngine& e) { e.constantKey(constantPi()); }),

        memory("Command4", "Mrc", 0, [](CalcEngine& e) { e.memoryRecall(); }),
        memory("Command5", "m+", 1, [](CalcEngine& e) { e.memoryAdd(); }),
        memory("Command6", "m-", 2, [](CalcEngine& e) { e.memorySubtract(); }),
        memory("Clear", "Clear", 3, [](CalcEngine& e) { e.memoryClear(); }),

        {"CE", "C", KeyKind::Edit, KeyGroup::Keypad, 0, 0, [](CalcEngine& e) { e.clear(); }},
        {"bk", "bk", KeyKind::Edit, KeyGroup::Keypad, 0, 1, [](CalcEngine& e) { e.backspace(); }},
        {"Command3", "+/-", KeyKind::Edit, KeyGroup::Keypad, 0, 2,
         [](CalcEngine& e) { e.negate(); }},
        {"procent", "%", KeyKind::Operator, KeyGroup::Keypad, 0, 3,
         [](CalcEngine& e) { e.percent(); }},
        {"Command1", "OFF", KeyKind::Off, KeyGroup::Keypad, 0, 4, {}, Command::Quit},
        digit("B7", "7", 1, 0),
        digit("B8", "8", 1, 1),
        digit("B9", "9", 1, 2),
        operation("delit", "/", Pending::Divide, 1),
        digit("B4", "4", 2, 0),
        digit("B5", "5", 2, 1),
        digit("B6", "6", 2, 2),
        operation("umn", "*", Pending::Multiply, 2),
        digit("B1", "1", 3, 0),
        digit("B2", "2", 3, 1),
        digit("B3", "3", 3, 2),
        operation("minus", "-", Pending::Subtract, 3),
        digit("null", "0", 4, 0),
        digit("tynull", "00", 4, 1),
        {"Tck", ",", KeyKind::Digit, KeyGroup::Keypad, 4, 2, [](CalcEngine& e) { e.comma(); }},
        operation("plus", "+", Pending::Add, 4),
        {"ravno", "=", KeyKind::Equals, KeyGroup::Keypad, 1, 4, [](CalcEngine& e) { e.equals(); },
         Command::None, 4},

        tool("Command7", "Решить уравнение", 0, 0, Command::Equations),
        tool("treug", "Треугольник", 0, 1, Command::Triangle),
        tool("Command2", "Вектор", 1, 0, Command::Vector),
        tool("Command8", "Дробный калькулятор", 1, 1, Command::Fractions),
    };
    return table;
}

const Key* keyNamed(QStringView name) {
    for (const Key& key : keys()) {
        if (name == QLatin1String(key.name)) {
            return &key;
        }
    }
    return nullptr;
}

const Key* keyCaptioned(QStringView caption) {
    for (const Key& key : keys()) {
        if (caption == QString::fromUtf8(key.caption)) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace calc

#include "calckeys.h"

namespace calc {

namespace {

KeyAction digitKey(const char* name, const char* digits) {
    return {name, [text = QString::fromLatin1(digits)](CalcEngine& e) { e.digits(text); }};
}

KeyAction operatorKey(const char* name, const char* code) {
    return {name, [text = QString::fromLatin1(code)](CalcEngine& e) { e.operatorKey(text); }};
}

KeyAction trigKey(const char* name, Trig function) {
    return {name, [function](CalcEngine& e) { e.trigKey(function); }};
}

KeyAction unaryKey(const char* name, Unary function) {
    return {name, [function](CalcEngine& e) { e.unaryKey(function); }};
}

} // namespace

const std::vector<KeyAction>& keyActions() {
    static const std::vector<KeyAction> actions{
        digitKey("B1", "1"),
        digitKey("B2", "2"),
        digitKey("B3", "3"),
        digitKey("B4", "4"),
        digitKey("B5", "5"),
        digitKey("B6", "6"),
        digitKey("B7", "7"),
        digitKey("B8", "8"),
        digitKey("B9", "9"),
        digitKey("null", "0"),
        digitKey("tynull", "00"),
        {"Tck", [](CalcEngine& e) { e.comma(); }},
        {"bk", [](CalcEngine& e) { e.backspace(); }},
        {"CE", [](CalcEngine& e) { e.clear(); }},
        {"Command3", [](CalcEngine& e) { e.negate(); }},
        operatorKey("plus", "+"),
        operatorKey("minus", "-"),
        operatorKey("umn", "*"),
        operatorKey("delit", "/"),
        {"ravno", [](CalcEngine& e) { e.equals(); }},
        {"procent", [](CalcEngine& e) { e.percent(); }},
        {"Command5", [](CalcEngine& e) { e.memoryAdd(); }},
        {"Command6", [](CalcEngine& e) { e.memorySubtract(); }},
        {"Command4", [](CalcEngine& e) { e.memoryRecall(); }},
        {"Clear", [](CalcEngine& e) { e.memoryClear(); }},
        {"Rad", [](CalcEngine& e) { e.selectUnit(false); }},
        {"Grad", [](CalcEngine& e) { e.selectUnit(true); }},
        trigKey("sin1", Trig::Sin),
        trigKey("cos1", Trig::Cos),
        trigKey("tg1", Trig::Tan),
        trigKey("ctg1", Trig::Cot),
        trigKey("sc1", Trig::Sec),
        trigKey("csc1", Trig::Csc),
        {"acs", [](CalcEngine& e) { e.arcCosKey(); }},
        {"asn", [](CalcEngine& e) { e.arcSinKey(); }},
        unaryKey("X2", Unary::Square),
        unaryKey("X3", Unary::Cube),
        unaryKey("sqr1", Unary::Sqrt),
        unaryKey("Command13", Unary::Pow2),
        unaryKey("Command10", Unary::PowE),
        unaryKey("Command11", Unary::PowPi),
        unaryKey("Command12", Unary::Exp),
        unaryKey("x10", Unary::Pow10),
        unaryKey("Command9", Unary::Ln),
        unaryKey("log2", Unary::Floor),
        unaryKey("onedx", Unary::Reciprocal),
        unaryKey("Command14", Unary::Times10),
        unaryKey("xd10", Unary::Div10),
        {"cnste", [](CalcEngine& e) { e.constantKey(kE); }},
        {"cpi", [](CalcEngine& e) { e.constantKey(kPi15); }},
        {"xy", [](CalcEngine& e) { e.powerKey(); }},
        {"exp1", [](CalcEngine& e) { e.rootKey(); }},
    };
    return actions;
}

} // namespace calc

#include "calckeys.h"

namespace calc {

namespace {

KeyAction digitKey(const char* name, const char* digits) {
    return {name, [text = QString::fromLatin1(digits)](CalcEngine& e) { e.digits(text); }};
}

KeyAction operatorKey(const char* name, const char* code) {
    return {name, [text = QString::fromLatin1(code)](CalcEngine& e) { e.operatorKey(text); }};
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
    };
    return actions;
}

} // namespace calc

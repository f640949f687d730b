#include "common/numberfunctions.h"
#include "common/numcheck.h"
#include "common/numtext.h"

#include <QVariant>
#include <QtTest>
#include <clocale>
#include <functional>
#include <map>

using common::AngleUnit;
using common::formatNumber;
using common::Number;
using common::parseNumber;
using common::Wholeness;

namespace {

Number typed(const char* text) {
    const auto value = parseNumber(QString::fromLatin1(text));
    if (!value) {
        qFatal("not a number: %s", text);
    }
    return *value;
}

// The same value held as an approximation.
Number approx(const Number& x) {
    return Number::fromReal(x.toReal());
}

// What the calculator would show: the text, "overflow" or "undefined".
QString shown(const std::optional<Number>& value) {
    if (!value) {
        return QStringLiteral("undefined");
    }
    const auto inRange = common::displayable(*value);
    return inRange ? formatNumber(*inRange) : QStringLiteral("overflow");
}

using Call = std::function<std::optional<Number>(const Number&, const Number&)>;

const std::map<QString, Call>& calls() {
    using namespace common;
    const auto d = AngleUnit::Degrees;
    const auto r = AngleUnit::Radians;
    static const std::map<QString, Call> table = {
        {"+", [](auto& x, auto& y) { return x + y; }},
        {"-", [](auto& x, auto& y) { return x - y; }},
        {"*", [](auto& x, auto& y) { return x * y; }},
        {"/", [](auto& x, auto& y) { return x / y; }},
        {"sqrt", [](auto& x, auto&) { return sqrt(x); }},
        {"root", [](auto& x, auto& y) { return root(x, y); }},
        {"pow", [](auto& x, auto& y) { return pow(x, y); }},
        {"exp", [](auto& x, auto&) { return exp(x); }},
        {"ln", [](auto& x, auto&) { return ln(x); }},
        {"exp2", [](auto& x, auto&) { return exp2(x); }},
        {"exp10", [](auto& x, auto&) { return exp10(x); }},
        {"powPi", [](auto& x, auto&) { return powPi(x); }},
        {"floor", [](auto& x, auto&) { return floor(x); }},
        {"sin", [=](auto& x, auto&) { return sin(x, d); }},
        {"cos", [=](auto& x, auto&) { return cos(x, d); }},
        {"tan", [=](auto& x, auto&) { return tan(x, d); }},
        {"cot", [=](auto& x, auto&) { return cot(x, d); }},
        {"sec", [=](auto& x, auto&) { return sec(x, d); }},
        {"csc", [=](auto& x, auto&) { return csc(x, d); }},
        {"asin", [=](auto& x, auto&) { return asin(x, d); }},
        {"acos", [=](auto& x, auto&) { return acos(x, d); }},
        {"sin rad", [=](auto& x, auto&) { return sin(x, r); }},
        {"cos rad", [=](auto& x, auto&) { return cos(x, r); }},
        {"tan rad", [=](auto& x, auto&) { return tan(x, r); }},
        {"csc rad", [=](auto& x, auto&) { return csc(x, r); }},
        {"asin rad", [=](auto& x, auto&) { return asin(x, r); }},
        {"acos rad", [=](auto& x, auto&) { return acos(x, r); }},
    };
    return table;
}

} // namespace

class TestNumber : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void displayRange_data();
    void displayRange();
    void writtenTextsReadBack();
    void results_data();
    void results();
    void nearWhole_data();
    void nearWhole();
    void comparesExactly_data();
    void comparesExactly();
    void growingChainsStayBounded();
    void travelsInAVariant();
    void localeDoesNotMatter();
    void checkReportsOnce();
};

void TestNumber::format_data() {
    QTest::addColumn<Number>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("third") << Number::ratio(1, 3) << "0,333333333333333";
    QTest::newRow("sixth rounds up") << Number::ratio(1, 6) << "0,166666666666667";
    QTest::newRow("1e15 in exponent form") << Number(1'000'000'000'000'000) << "1E+15";
    QTest::newRow("rounding reaches 1e15") << typed("999999999999999,5") << "1E+15";
    QTest::newRow("1e-5 in exponent form") << Number::ratio(1, 100000) << "1E-05";
    QTest::newRow("1e-4 in full") << Number::ratio(1, 10000) << "0,0001";
    QTest::newRow("tie away from zero") << typed("1,000000000000005") << "1,00000000000001";
    QTest::newRow("negative tie") << typed("-1,000000000000005") << "-1,00000000000001";
    QTest::newRow("just below a tie") << typed("1,0000000000000049999") << "1";
    QTest::newRow("approximate tie")
        << approx(Number(1'000'000'000'000'005)) << "1,00000000000001E+15";
    QTest::newRow("approximate zero") << approx(Number()) - approx(Number()) << "0";
    QTest::newRow("whole") << Number(-1024) << "-1024";
    QTest::newRow("smallest double") << common::exp2(Number(-1074)) << "4,94065645841247E-324";
    QTest::newRow("subnormal magnitude") << typed("1E-320") << "1E-320";
    QTest::newRow("three-digit exponent") << typed("1,5E300") << "1,5E+300";
}

void TestNumber::format() {
    QFETCH(Number, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
}

void TestNumber::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<Number>("value");
    QTest::newRow("decimal is exact") << "1,1" << true << Number::ratio(11, 10);
    QTest::newRow("signs and spaces") << "  -,5 " << true << Number::ratio(-1, 2);
    QTest::newRow("trailing comma") << "+5," << true << Number(5);
    QTest::newRow("exponent") << "25e-1" << true << Number::ratio(5, 2);
    QTest::newRow("largest as written")
        << "1,79769313486232E+308" << true << typed("179769313486232E294");
    QTest::newRow("above the largest") << "1,797693134862321E+308" << false << Number();
    QTest::newRow("smallest double, written")
        << "4,94065645841247E-324" << true << typed("494065645841247E-338");
    QTest::newRow("below the smallest double") << "4,9406564584124E-324" << true << Number();
    QTest::newRow("huge exponent") << "1E999999999" << false << Number();
    QTest::newRow("tiny exponent") << "-1E-999999999" << true << Number();
    QTest::newRow("long exponent") << "1E00000000000000000000000000005" << true << Number(100000);
    QTest::newRow("zero, huge exponent") << "0E99999999999999999999" << true << Number();
    QTest::newRow("point") << "1.5" << false << Number();
    QTest::newRow("empty") << "" << false << Number();
    QTest::newRow("lone sign") << "-" << false << Number();
    QTest::newRow("lone comma") << "," << false << Number();
    QTest::newRow("two commas") << "1,2,3" << false << Number();
    QTest::newRow("exponent without digits") << "1E+" << false << Number();
    QTest::newRow("inner space") << "1 000" << false << Number();
    QTest::newRow("tab") << "\t1" << false << Number();
    QTest::newRow("letters") << "inf" << false << Number();
}

void TestNumber::parse() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(Number, value);
    const auto parsed = parseNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber) {
        QVERIFY(parsed->isExact());
        QVERIFY(*parsed == value);
    }
}

void TestNumber::displayRange_data() {
    QTest::addColumn<Number>("value");
    QTest::addColumn<QString>("text");
    const Number largest = typed("1,79769313486232E308");
    const Number smallest = common::exp2(Number(-1074));
    QTest::newRow("largest") << largest << "1,79769313486232E+308";
    QTest::newRow("above the largest") << largest + Number(1) << "overflow";
    QTest::newRow("approximately above") << approx(largest) * typed("1,0000000001") << "overflow";
    QTest::newRow("infinite") << common::pow(typed("1E300"), typed("1E300")) << "overflow";
    QTest::newRow("smallest") << -smallest << "-4,94065645841247E-324";
    QTest::newRow("below the smallest") << smallest / Number(2) << "0";
    QTest::newRow("back in range") << largest * Number(10) / Number(100) << "1,79769313486232E+307";
}

void TestNumber::displayRange() {
    QFETCH(Number, value);
    QFETCH(QString, text);
    QCOMPARE(shown(value), text);
}

void TestNumber::writtenTextsReadBack() {
    for (const Number& value :
         {Number::ratio(2, 3), common::sqrt(Number(2)), -common::pi() * typed("1E-300"),
          typed("1,79769313486232E308"), common::exp2(Number(-1074)), typed("123456,7")}) {
        const QString text = formatNumber(value);
        const auto back = parseNumber(text);
        QVERIFY2(back, qPrintable(text));
        QCOMPARE(formatNumber(*back), text);
    }
}

void TestNumber::results_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<Number>("x");
    QTest::addColumn<Number>("y");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    const Number none;
    const Number half = Number::ratio(1, 2);
    const Number third = approx(common::radiansToDegrees(common::degreesToRadians(Number(30))));
    QTest::newRow("90 - 80,1") << "-" << Number(90) << typed("80,1") << "9,9" << true;
    QTest::newRow("0,1 + 0,2") << "+" << typed("0,1") << typed("0,2") << "0,3" << true;
    QTest::newRow("mixed is approximate") << "*" << Number(3) << approx(half) << "1,5" << false;
    QTest::newRow("exact zero absorbs") << "*" << Number() << common::pi() << "0" << true;
    QTest::newRow("sqrt of a square") << "sqrt" << Number::ratio(9, 4) << none << "1,5" << true;
    QTest::newRow("sqrt 2") << "sqrt" << Number(2) << none << "1,4142135623731" << false;
    QTest::newRow("64 root 3") << "root" << Number(64) << Number(3) << "4" << true;
    QTest::newRow("-27 root -3") << "root" << Number(-27) << Number(-3) << "-0,333333333333333"
                                 << true;
    QTest::newRow("2 root 2,5") << "root" << Number(2) << typed("2,5") << "1,31950791077289"
                                << false;
    QTest::newRow("1,1 ^ -2") << "pow" << typed("1,1") << Number(-2) << "0,826446280991736" << true;
    QTest::newRow("-2 ^ 3") << "pow" << Number(-2) << Number(3) << "-8" << true;
    QTest::newRow("2 ^ 0,5") << "pow" << Number(2) << half << "1,4142135623731" << false;
    QTest::newRow("2 ^ 1025") << "pow" << Number(2) << Number(1025) << "overflow" << true;
    QTest::newRow("1E300 ^ 1E300")
        << "pow" << typed("1E300") << typed("1E300") << "overflow" << false;
    const Number googol90 = common::exp10(Number(90));
    QTest::newRow("(1 + 1E-90) ^ 1E90")
        << "pow" << Number(1) + Number(1) / googol90 << googol90 << "2,71828182845905" << false;
    QTest::newRow("square of a root at a tie")
        << "*" << common::sqrt(typed("1,000000000000015"))
        << common::sqrt(typed("1,000000000000015")) << "1,00000000000002" << false;
    QTest::newRow("exp 0") << "exp" << Number() << none << "1" << true;
    QTest::newRow("exp 1") << "exp" << Number(1) << none << "2,71828182845905" << false;
    QTest::newRow("ln 1") << "ln" << Number(1) << none << "0" << true;
    QTest::newRow("ln near 1") << "ln" << typed("1,0000000000000000000001") << none << "1E-22"
                               << false;
    QTest::newRow("exp10 -3") << "exp10" << Number(-3) << none << "0,001" << true;
    QTest::newRow("powPi 0") << "powPi" << Number() << none << "1" << true;
    QTest::newRow("powPi 2") << "powPi" << Number(2) << none << "9,86960440108936" << false;
    QTest::newRow("floor -2,5") << "floor" << typed("-2,5") << none << "-3" << true;
    QTest::newRow("floor sqrt2 sqrt2")
        << "floor" << common::sqrt(Number(2)) * common::sqrt(Number(2)) << none << "2" << true;
    QTest::newRow("sin 30") << "sin" << Number(30) << none << "0,5" << true;
    QTest::newRow("sin 180") << "sin" << Number(180) << none << "0" << true;
    QTest::newRow("sin -3780") << "sin" << Number(-3780) << none << "0" << true;
    QTest::newRow("cos 90") << "cos" << Number(90) << none << "0" << true;
    QTest::newRow("cos 60") << "cos" << Number(60) << none << "0,5" << true;
    QTest::newRow("sin 60") << "sin" << Number(60) << none << "0,866025403784439" << false;
    QTest::newRow("sin beside 180") << "sin" << Number(180) + common::exp10(Number(-100)) << none
                                    << "-1,74532925199433E-102" << false;
    QTest::newRow("sin of 1E300 degrees")
        << "sin" << typed("1E300") << none << "-0,984807753012208" << false;
    QTest::newRow("tan 180") << "tan" << Number(180) << none << "0" << true;
    QTest::newRow("tan 45") << "tan" << Number(45) << none << "1" << true;
    QTest::newRow("tan 90") << "tan" << Number(90) << none << "undefined" << false;
    QTest::newRow("tan -270") << "tan" << Number(-270) << none << "undefined" << false;
    QTest::newRow("cot 90") << "cot" << Number(90) << none << "0" << true;
    QTest::newRow("cot 180") << "cot" << Number(180) << none << "undefined" << false;
    QTest::newRow("sec 90") << "sec" << Number(90) << none << "undefined" << false;
    QTest::newRow("csc 180") << "csc" << Number(180) << none << "undefined" << false;
    QTest::newRow("sin of 30 via radians") << "sin" << third << none << "0,5" << true;
    QTest::newRow("sin 3,14159265358979 rad")
        << "sin rad" << typed("3,14159265358979") << none << "3,23846264338328E-15" << false;
    QTest::newRow("sin 1E300 rad")
        << "sin rad" << typed("1E300") << none << "-0,985750425160377" << false;
    QTest::newRow("sin pi rad") << "sin rad" << common::pi() << none << "0" << true;
    QTest::newRow("csc pi rad") << "csc rad" << common::pi() << none << "undefined" << false;
    QTest::newRow("tan pi/2 rad") << "tan rad" << common::pi() / Number(2) << none << "undefined"
                                  << false;
    QTest::newRow("cos 0 rad") << "cos rad" << Number() << none << "1" << true;
    QTest::newRow("asin 0,5") << "asin" << half << none << "30" << true;
    QTest::newRow("acos -1") << "acos" << Number(-1) << none << "180" << true;
    QTest::newRow("acos 0") << "acos" << Number() << none << "90" << true;
    QTest::newRow("asin 0,3") << "asin" << typed("0,3") << none << "17,4576031237221" << false;
    QTest::newRow("acos near 1") << "acos" << typed("0,9999999999999999999999999") << none
                                 << "2,56234515630184E-11" << false;
    QTest::newRow("asin 0 rad") << "asin rad" << Number() << none << "0" << true;
    QTest::newRow("acos 1 rad") << "acos rad" << Number(1) << none << "0" << true;
    QTest::newRow("asin 1 rad") << "asin rad" << Number(1) << none << "1,5707963267949" << false;
}

void TestNumber::results() {
    QFETCH(QString, call);
    QFETCH(Number, x);
    QFETCH(Number, y);
    QFETCH(QString, text);
    QFETCH(bool, exact);
    const std::optional<Number> result = calls().at(call)(x, y);
    QCOMPARE(shown(result), text);
    QCOMPARE(result && result->isExact(), exact);
}

void TestNumber::nearWhole_data() {
    QTest::addColumn<Number>("value");
    QTest::addColumn<int>("wholeness");
    const Number root3 = common::sqrt(Number(3));
    QTest::newRow("exact odd") << Number(-3) << int(Wholeness::Odd);
    QTest::newRow("exact even") << Number(4) << int(Wholeness::Even);
    QTest::newRow("exact fraction") << typed("2,5") << int(Wholeness::NotWhole);
    QTest::newRow("approximately 3") << root3 * root3 << int(Wholeness::Odd);
    QTest::newRow("approximately 3 and a little")
        << root3 * root3 + typed("1E-40") << int(Wholeness::NotWhole);
    QTest::newRow("huge approximation") << approx(typed("1E300")) << int(Wholeness::Even);
}

void TestNumber::nearWhole() {
    QFETCH(Number, value);
    QFETCH(int, wholeness);
    QCOMPARE(int(common::wholeness(value)), wholeness);
}

void TestNumber::comparesExactly_data() {
    QTest::addColumn<Number>("a");
    QTest::addColumn<Number>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("exact and its double") << Number::ratio(1, 10) << Number::fromDouble(0.1) << -1;
    QTest::newRow("exact and equal approximation") << Number(2) << approx(Number(2)) << 0;
    QTest::newRow("third below its approximation")
        << Number::ratio(1, 3) << approx(Number::ratio(1, 3)) << -1;
    QTest::newRow("beyond any double") << typed("1E300") * typed("1E300") << typed("1E308") << 1;
}

void TestNumber::comparesExactly() {
    QFETCH(Number, a);
    QFETCH(Number, b);
    QFETCH(int, order);
    QCOMPARE(a < b, order < 0);
    QCOMPARE(a == b, order == 0);
    QCOMPARE(a > b, order > 0);
}

void TestNumber::growingChainsStayBounded() {
    Number x = typed("1,1");
    for (int step = 0; step < 40; ++step) {
        x = x * x;
        shown(x);
    }
    QVERIFY(!x.isExact());
    QVERIFY(x.isFinite()); // 1,1^(2^40): far beyond doubles, not beyond the working range
    QCOMPARE(shown(x), QStringLiteral("overflow"));
    QVERIFY(common::pow(typed("1,1"), Number(100)).isExact());
    QVERIFY(!common::pow(typed("1,1"), typed("1E9")).isExact());
}

void TestNumber::travelsInAVariant() {
    const QVariant stored = QVariant::fromValue(Number::ratio(1, 3));
    const Number back = stored.value<Number>();
    QVERIFY(back.isExact());
    QVERIFY(back == Number::ratio(1, 3));
}

void TestNumber::localeDoesNotMatter() {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const QByteArray saved(previous ? previous : "C");
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) {
        QFAIL("the ru_RU.UTF-8 locale is missing (the test set-up builds it under LOCPATH)");
    }
    const QString third = formatNumber(Number::ratio(1, 3));
    const auto half = parseNumber(QStringLiteral("0,5"));
    const auto point = parseNumber(QStringLiteral("0.5"));
    std::setlocale(LC_ALL, saved.constData());
    QCOMPARE(third, QStringLiteral("0,333333333333333"));
    QVERIFY(half && *half == Number::ratio(1, 2));
    QVERIFY(!point);
}

void TestNumber::checkReportsOnce() {
    QStringList shown;
    const common::Report report = [&shown](const QString& text) { shown << text; };
    QVERIFY(common::checkedNumber(QStringLiteral("12,5"), report) == typed("12,5"));
    QVERIFY(shown.isEmpty());
    QVERIFY(!common::checkedNumber(QStringLiteral("12.5"), report));
    QCOMPARE(shown, QStringList{QStringLiteral("Введены нечисловые данные")});
}

QTEST_APPLESS_MAIN(TestNumber)
#include "tst_numtext.moc"

#include "common/numcheck.h"
#include "common/numtext.h"

#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

using common::formatNumber;
using common::parseNumber;

class TestNumText : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void underflowIsANumber();
    void roundTripKeepsFifteenDigits();
    void localeDoesNotMatter();
    void checkReportsOnce();
};

void TestNumText::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("third") << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("sixth rounds up") << 1.0 / 6 << "0,166666666666667";
    QTest::newRow("1e15 in exponent form") << 1e15 << "1E+15";
    QTest::newRow("below 1e15 in full") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1e-5 in exponent form") << 0.00001 << "1E-05";
    QTest::newRow("1e-4 in full") << 0.0001 << "0,0001";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 1024.0 << "1024";
    QTest::newRow("negative fraction") << -2.5 << "-2,5";
    QTest::newRow("three-digit exponent") << 1.5e300 << "1,5E+300";
    QTest::newRow("tiny") << 4.9406564584124654e-324 << "4,94065645841247E-324";
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << "1,4142135623731";
    QTest::newRow("max") << std::numeric_limits<double>::max() << "1,79769313486232E+308";
    QTest::newRow("90 deg to rad and back")
        << 1.5707963267949 * 180 / 3.14159265358979 << "90,0000000000003";
}

void TestNumText::format() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
}

void TestNumText::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "5" << true << 5.0;
    QTest::newRow("negative") << "-5" << true << -5.0;
    QTest::newRow("plus sign") << "+5" << true << 5.0;
    QTest::newRow("comma fraction") << "0,5" << true << 0.5;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "5," << true << 5.0;
    QTest::newRow("spaces around") << " 7 " << true << 7.0;
    QTest::newRow("exponent") << "1,5E+10" << true << 1.5e10;
    QTest::newRow("small e") << "2e3" << true << 2000.0;
    QTest::newRow("negative exponent") << "25E-1" << true << 2.5;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("sign then comma") << "-,5" << true << -0.5;
    QTest::newRow("double zero") << "00" << true << 0.0;
    QTest::newRow("near the largest double")
        << "1,7976931348623E+308" << true << 1.7976931348623e308;
    const double largest = std::numeric_limits<double>::max();
    QTest::newRow("largest as written") << "1,79769313486232E+308" << true << largest;
    QTest::newRow("negative largest as written") << "-1,79769313486232E+308" << true << -largest;
    QTest::newRow("largest as written, other spelling")
        << "1797693134862320E293" << true << largest;
    QTest::newRow("above the largest as written") << "1,797693134862321E+308" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("spaces only") << "   " << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("point") << "1.5" << false << 0.0;
    QTest::newRow("two commas") << "0,,5" << false << 0.0;
    QTest::newRow("comma after comma") << "1,5," << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    QTest::newRow("exponent sign only") << "1E+" << false << 0.0;
    QTest::newRow("exponent alone") << "E5" << false << 0.0;
    QTest::newRow("inner space") << "1 000" << false << 0.0;
    QTest::newRow("two signs") << "+-5" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("overflow") << "1E400" << false << 0.0;
    QTest::newRow("negative overflow") << "-1E400" << false << 0.0;
    QTest::newRow("overflow by digits") << "1" + QString(400, QLatin1Char('0')) << false << 0.0;
    QTest::newRow("huge exponent") << "1E99999999999999999999" << false << 0.0;
    QTest::newRow("zero with huge exponent") << "0E99999" << true << 0.0;
}

void TestNumText::parse() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = parseNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber) {
        QCOMPARE(*parsed, value);
    }
}

void TestNumText::underflowIsANumber() {
    QCOMPARE(parseNumber(QStringLiteral("1E-400")), std::optional<double>(0.0));
    const auto negative = parseNumber(QStringLiteral("-1E-400"));
    QVERIFY(negative && *negative == 0 && std::signbit(*negative));
    QCOMPARE(parseNumber(QStringLiteral("0,0001E-320")), std::optional<double>(0.0));
    const auto denormal = parseNumber(QStringLiteral("5E-324"));
    QVERIFY(denormal && *denormal == std::numeric_limits<double>::denorm_min());
    QCOMPARE(formatNumber(*parseNumber(QStringLiteral("1E-400"))), QStringLiteral("0"));
}

void TestNumText::roundTripKeepsFifteenDigits() {
    using limits = std::numeric_limits<double>;
    for (double value : {1.0 / 3, 2.0 / 3, 123456.789, -9.87654321e-200, 6.02214076e23,
                         limits::max(), -limits::max(), limits::min(), limits::denorm_min()}) {
        const auto back = parseNumber(formatNumber(value));
        QVERIFY2(back, qPrintable(formatNumber(value)));
        QCOMPARE(formatNumber(*back), formatNumber(value));
    }
}

void TestNumText::localeDoesNotMatter() {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const QByteArray saved(previous ? previous : "C");
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) {
        QFAIL("the ru_RU.UTF-8 locale is missing (the test set-up builds it under LOCPATH)");
    }
    const QString third = formatNumber(1.0 / 3);
    const auto half = parseNumber(QStringLiteral("0,5"));
    const auto point = parseNumber(QStringLiteral("0.5"));
    std::setlocale(LC_ALL, saved.constData());
    QCOMPARE(third, QStringLiteral("0,333333333333333"));
    QCOMPARE(half, std::optional<double>(0.5));
    QVERIFY(!point);
}

void TestNumText::checkReportsOnce() {
    QStringList shown;
    const common::Report report = [&shown](const QString& text) { shown << text; };
    QCOMPARE(common::checkedNumber(QStringLiteral("12,5"), report), std::optional<double>(12.5));
    QVERIFY(shown.isEmpty());
    QVERIFY(!common::checkedNumber(QStringLiteral("12.5"), report));
    QCOMPARE(shown, QStringList{QStringLiteral("Введены нечисловые данные")});
}

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"

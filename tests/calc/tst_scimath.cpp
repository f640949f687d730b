#include "calc/scimath.h"
#include "common/numberfunctions.h"
#include "common/numtext.h"

#include <QtTest>

using calc::Fault;
using common::Number;

// The mathematics behind the scientific keys, over ranges too wide to click through.
class TestSciMath : public QObject {
    Q_OBJECT

private slots:
    void wholeRootsAreExact();
    void rootsUndoPowers();
    void faults_data();
    void faults();
};

namespace {

Number typed(const QString& text) {
    return *common::parseNumber(text);
}

QString shown(const calc::Outcome& outcome) {
    return outcome.ok() ? common::formatNumber(outcome.value) : QStringLiteral("fault");
}

} // namespace

// Every whole root of a whole power is found exactly, however large the power.
void TestSciMath::wholeRootsAreExact() {
    for (int degree = 2; degree <= 9; ++degree) {
        for (long long n = 1; n <= 300; n += 7) {
            const Number x = common::pow(Number(n), Number(degree));
            const auto r = calc::root(x, Number(degree));
            QVERIFY(r.ok() && r.value.isExact());
            QVERIFY(r.value == Number(n));
            if (degree % 2 == 1) {
                QVERIFY(calc::root(-x, Number(degree)).value == Number(-n));
            }
        }
    }
}

// A root raised to its degree shows the number again.
void TestSciMath::rootsUndoPowers() {
    for (const char* x : {"2", "3,5", "10", "1E-10", "12345,678", "1E150"}) {
        for (const char* y : {"2", "3", "5", "0,5", "-2", "7,5"}) {
            const auto r = calc::root(typed(x), typed(y));
            QVERIFY(r.ok());
            const auto back = calc::power(r.value, typed(y));
            QCOMPARE(shown(back), shown({typed(x)}));
        }
    }
}

void TestSciMath::faults_data() {
    // What the keys' tables (tst_science) do not reach: the root's edges.
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("value");

    const int none = int(Fault::None);
    QTest::newRow("fractional root of negative") << "-4"
                                                 << "2,5" << int(Fault::BadArgument) << "";
    QTest::newRow("odd negative degree") << "-8"
                                         << "-3" << none << "-0,5";
    QTest::newRow("huge degree") << "2"
                                 << "1E300" << none << "1";
    QTest::newRow("root overflow") << "1E300"
                                   << "1E-3" << int(Fault::Overflow) << "";
}

void TestSciMath::faults() {
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, fault);
    QFETCH(QString, value);
    const auto r = calc::root(typed(x), typed(y));
    QCOMPARE(int(r.fault), fault);
    if (r.ok()) {
        QCOMPARE(common::formatNumber(r.value), value);
    }
}

QTEST_APPLESS_MAIN(TestSciMath)
#include "tst_scimath.moc"

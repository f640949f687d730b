#include "calc/scimath.h"

#include <QtTest>
#include <cmath>

using calc::Fault;

// The mathematics behind the scientific keys, over ranges too wide to click through.
class TestSciMath : public QObject {
    Q_OBJECT

private slots:
    void wholeRootsAreExact();
    void rootsUndoPowers();
    void faults_data();
    void faults();
};

void TestSciMath::wholeRootsAreExact() {
    for (int degree = 2; degree <= 9; ++degree) {
        for (int n = 1; n <= 300; ++n) {
            const double x = std::pow(double(n), degree);
            if (x > 9007199254740992.0) { // beyond 2^53 a power is no longer exact
                break;
            }
            const auto r = calc::root(x, degree);
            QVERIFY(r.ok());
            QCOMPARE(r.value, double(n));
            if (degree % 2 == 1) {
                QCOMPARE(calc::root(-x, degree).value, -double(n));
            }
        }
    }
}

void TestSciMath::rootsUndoPowers() {
    for (double x : {2.0, 3.5, 10.0, 1e-10, 12345.678, 1e150}) {
        for (double y : {2.0, 3.0, 5.0, 0.5, -2.0, 7.5}) {
            const auto r = calc::root(x, y);
            QVERIFY(r.ok());
            const double back = std::pow(r.value, y);
            QVERIFY2(std::fabs(back - x) <= 1e-12 * x, qPrintable(QString("%1 %2").arg(x).arg(y)));
        }
    }
}

void TestSciMath::faults_data() {
    // What the keys' tables (tst_science) do not reach: the root's edges.
    QTest::addColumn<int>("which"); // 0 power, 1 root
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("fault");
    QTest::addColumn<double>("value");

    const int none = int(Fault::None);
    QTest::newRow("fractional root of negative")
        << 1 << -4.0 << 2.5 << int(Fault::BadArgument) << 0.0;
    QTest::newRow("odd negative degree") << 1 << -8.0 << -3.0 << none << -0.5;
    QTest::newRow("huge degree") << 1 << 2.0 << 1e300 << none << 1.0;
    QTest::newRow("root overflow") << 1 << 1e300 << 1e-3 << int(Fault::Overflow) << 0.0;
}

void TestSciMath::faults() {
    QFETCH(int, which);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, fault);
    QFETCH(double, value);
    const auto r = which == 0 ? calc::power(x, y) : calc::root(x, y);
    QCOMPARE(int(r.fault), fault);
    if (r.ok()) {
        QCOMPARE(r.value, value);
    }
}

QTEST_APPLESS_MAIN(TestSciMath)
#include "tst_scimath.moc"

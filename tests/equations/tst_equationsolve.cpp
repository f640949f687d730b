#include "common/words.h"
#include "equations/equationwords.h"

#include <QtTest>
#include <bit>
#include <cmath>

using namespace equations;
using common::words::kOverflow;

class TestEquationSolve : public QObject {
    Q_OBJECT

private slots:
    void linear_data();
    void linear();
    void quadratic_data();
    void quadratic();
    void ordinaryRootsKeepEveryBit_data();
    void ordinaryRootsKeepEveryBit();
};

void TestEquationSolve::linear_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");

    QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << QStringList{kAnyNumber} << QString();
    QTest::newRow("b equals c as numbers")
        << 0.0 << 2.0 << 2.0 << QStringList{kAnyNumber} << QString();
    QTest::newRow("negative zero a") << -0.0 << 1.0 << 1.0 << QStringList{kAnyNumber} << QString();
    QTest::newRow("no roots") << 0.0 << 1.0 << 2.0 << QStringList{kNoRootsText} << kNoRootsMessage;
    QTest::newRow("whole root") << 2.0 << 1.0 << 5.0 << QStringList{"2"} << QString();
    QTest::newRow("quarter") << 4.0 << 0.0 << 1.0 << QStringList{"0,25"} << QString();
    QTest::newRow("third to 15 digits")
        << 3.0 << 0.0 << 1.0 << QStringList{"0,333333333333333"} << QString();
    QTest::newRow("negative root") << 2.0 << 5.0 << 1.0 << QStringList{"-2"} << QString();
    QTest::newRow("zero root is not -0") << -2.0 << 1.0 << 1.0 << QStringList{"0"} << QString();
    QTest::newRow("large but in range")
        << 2.0 << 0.0 << 1.7e308 << QStringList{"8,5E+307"} << QString();
    QTest::newRow("c - b beyond range") << 1.0 << -1e308 << 1e308 << QStringList() << kOverflow;
    QTest::newRow("quotient beyond range") << 1e-10 << 0.0 << 1e300 << QStringList() << kOverflow;
}

void TestEquationSolve::linear() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    const Answer answer = linearAnswer(solveLinear(a, b, c));
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.message, message);
}

void TestEquationSolve::quadratic_data() {
    QTest::addColumn<bool>("biquadratic");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");

    const QStringList none2(2, kNoRoots);
    const QStringList none4(4, kNoRoots);

    QTest::newRow("q: larger root first for positive a")
        << false << 1.0 << -3.0 << 2.0 << QStringList{"2", "1"} << QString();
    QTest::newRow("q: smaller root first for negative a")
        << false << -1.0 << 3.0 << -2.0 << QStringList{"1", "2"} << QString();
    QTest::newRow("q: D zero") << false << 1.0 << 2.0 << 1.0 << QStringList{"-1", kOneRootDoubled}
                               << QString();
    QTest::newRow("q: D zero at zero is not -0")
        << false << 1.0 << 0.0 << 0.0 << QStringList{"0", kOneRootDoubled} << QString();
    QTest::newRow("q: no roots, two boxes") << false << 1.0 << 0.0 << 1.0 << none2 << kNoRealRoots;
    QTest::newRow("q: irrational roots")
        << false << 1.0 << 0.0 << -2.0 << QStringList{"1,4142135623731", "-1,4142135623731"}
        << QString();
    QTest::newRow("q: small root of x1 cancels")
        << false << 1.0 << 1e8 << 1.0 << QStringList{"-1E-08", "-100000000"} << QString();
    QTest::newRow("q: just inside the cancellation share")
        << false << 1.0 << 200.0 << 1.0 << QStringList{"-0,00500012500625039", "-199,994999874994"}
        << QString();
    QTest::newRow("q: small root of x2 cancels")
        << false << -1.0 << -1e8 << -1.0 << QStringList{"-100000000", "-1E-08"} << QString();
    QTest::newRow("q: squares beyond range, roots not")
        << false << 1e200 << 0.0 << -1e200 << QStringList{"1", "-1"} << QString();
    QTest::newRow("q: D zero, squares beyond range")
        << false << 1e300 << 2e300 << 1e300 << QStringList{"-1", kOneRootDoubled} << QString();
    QTest::newRow("q: tiny a and c")
        << false << 1e-300 << 1.0 << 1e-300 << QStringList{"-1E-300", "-1E+300"} << QString();
    QTest::newRow("q: tiny c kept beside huge a")
        << false << 1e300 << 0.0 << -1e-300 << QStringList{"1E-300", "-1E-300"} << QString();
    QTest::newRow("q: tiny a kept beside huge c")
        << false << 1e-300 << 0.0 << -1e300 << QStringList{"1E+300", "-1E+300"} << QString();
    QTest::newRow("q: root beyond range")
        << false << 1e-300 << 1e300 << 1.0 << QStringList() << kOverflow;
    QTest::newRow("q: zero a") << false << 0.0 << 1.0 << 1.0 << QStringList() << kZeroLeading;

    QTest::newRow("b: four roots")
        << true << 1.0 << -5.0 << 4.0 << QStringList{"2", "1", "-2", "-1"} << QString();
    QTest::newRow("b: y1 positive, y2 negative")
        << true << 1.0 << 1.0 << -2.0 << QStringList{"1", "-1", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: y1 negative, y2 positive")
        << true << -1.0 << 1.0 << 2.0
        << QStringList{"1,4142135623731", "-1,4142135623731", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: y1 zero, y2 negative")
        << true << 1.0 << 1.0 << 0.0 << QStringList{"0", kOneRoot, kOneRoot, kOneRoot} << QString();
    QTest::newRow("b: y1 negative, y2 zero")
        << true << -1.0 << -1.0 << 0.0 << QStringList{"0", kOneRoot, kOneRoot, kOneRoot}
        << QString();
    QTest::newRow("b: y1 positive, y2 zero")
        << true << 1.0 << -1.0 << 0.0 << QStringList{"1", "0", "-1", "0"} << QString();
    QTest::newRow("b: y1 zero, y2 positive")
        << true << -1.0 << 1.0 << 0.0 << QStringList{"0", "1", "0", "-1"} << QString();
    QTest::newRow("b: D zero, y positive")
        << true << 1.0 << -2.0 << 1.0 << QStringList{"1", "-1", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: D zero, y zero")
        << true << 1.0 << 0.0 << 0.0 << QStringList{"0", kOneRoot, kOneRoot, kOneRoot} << QString();
    QTest::newRow("b: D zero, y negative") << true << 1.0 << 2.0 << 1.0 << none4 << kNoRealRoots;
    QTest::newRow("b: both y negative") << true << 1.0 << 3.0 << 2.0 << none4 << kNoRealRoots;
    QTest::newRow("b: D negative") << true << 1.0 << 0.0 << 4.0 << none4 << kNoRealRoots;
    QTest::newRow("b: small y cancels")
        << true << 1.0 << -1e8 << 1.0 << QStringList{"10000", "0,0001", "-10000", "-0,0001"}
        << QString();
    QTest::newRow("b: y beyond range")
        << true << 1e-300 << -1e300 << 1.0 << QStringList() << kOverflow;
}

void TestEquationSolve::quadratic() {
    QFETCH(bool, biquadratic);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    const Kind kind = biquadratic ? Kind::Biquadratic : Kind::Quadratic;
    const Answer answer = quadraticAnswer(kind, solveQuadratic(kind, a, b, c));
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.message, message);
}

// Where nothing cancels, the roots are the formula's to the last bit, however large or small
// the coefficients.
void TestEquationSolve::ordinaryRootsKeepEveryBit_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");

    QTest::newRow("whole roots") << 1.0 << -3.0 << 2.0;
    QTest::newRow("irrational roots") << 3.0 << 7.0 << 1.0;
    QTest::newRow("negative a, decimal fractions") << -2.5 << 1.1 << 7.3;
    QTest::newRow("just above the cancellation share") << 1.0 << 100.0 << 1.0;
    QTest::newRow("large") << 3e150 << 7e150 << 1e150;
    QTest::newRow("small") << 3e-150 << 7e-150 << 1e-150;
    QTest::newRow("D zero") << 0.3 << 0.6 << 0.3;
}

void TestEquationSolve::ordinaryRootsKeepEveryBit() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    const double d = b * b - 4 * a * c;
    const double x1 = d == 0 ? -b / (2 * a) : (std::sqrt(d) - b) / (2 * a);
    const double x2 = d == 0 ? x1 : (-b - std::sqrt(d)) / (2 * a);
    const auto roots = quadraticRoots(a, b, c);
    QVERIFY(roots);
    QCOMPARE(std::bit_cast<quint64>(roots->x1), std::bit_cast<quint64>(x1));
    QCOMPARE(std::bit_cast<quint64>(roots->x2), std::bit_cast<quint64>(x2));
}

QTEST_APPLESS_MAIN(TestEquationSolve)
#include "tst_equationsolve.moc"

#include "equations/solve.h"

#include <QtTest>

using namespace equations;

class TestEquationSolve : public QObject {
    Q_OBJECT

private slots:
    void linear_data();
    void linear();
    void quadratic_data();
    void quadratic();
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
    const Answer answer = solveLinear(a, b, c);
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
    QTest::newRow("q: b squared beyond range")
        << false << 1.0 << 1e200 << 1.0 << QStringList() << kOverflow;
    QTest::newRow("q: 2a beyond range")
        << false << 1.7e308 << 0.0 << 0.0 << QStringList() << kOverflow;
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
    QTest::newRow("b: b squared beyond range")
        << true << 1.0 << 1e200 << 1.0 << QStringList() << kOverflow;
}

void TestEquationSolve::quadratic() {
    QFETCH(bool, biquadratic);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    const Answer answer =
        solveQuadratic(biquadratic ? Kind::Biquadratic : Kind::Quadratic, a, b, c);
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.message, message);
}

QTEST_APPLESS_MAIN(TestEquationSolve)
#include "tst_equationsolve.moc"

#include "common/numtext.h"
#include "common/words.h"
#include "equations/equationwords.h"

#include <QtTest>

using namespace equations;
using common::words::kOverflow;

namespace {

// A coefficient exactly as the user types it.
Number typed(const QString& text) {
    return *common::parseNumber(text);
}

} // namespace

class TestEquationSolve : public QObject {
    Q_OBJECT

private slots:
    void linear_data();
    void linear();
    void quadratic_data();
    void quadratic();
};

void TestEquationSolve::linear_data() {
    QTest::addColumn<QStringList>("abc"); // the coefficients as typed
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    using L = QStringList;

    QTest::newRow("all zero") << L{"0", "0", "0"} << L{kAnyNumber} << QString();
    QTest::newRow("b equals c as numbers") << L{"0", "2", "2"} << L{kAnyNumber} << QString();
    QTest::newRow("negative zero a") << L{"-0", "1", "1"} << L{kAnyNumber} << QString();
    QTest::newRow("no roots") << L{"0", "1", "2"} << L{kNoRootsText} << kNoRootsMessage;
    QTest::newRow("whole root") << L{"2", "1", "5"} << L{"2"} << QString();
    QTest::newRow("quarter") << L{"4", "0", "1"} << L{"0,25"} << QString();
    QTest::newRow("third to 15 digits") << L{"3", "0", "1"} << L{"0,333333333333333"} << QString();
    QTest::newRow("negative root") << L{"2", "5", "1"} << L{"-2"} << QString();
    QTest::newRow("zero root is not -0") << L{"-2", "1", "1"} << L{"0"} << QString();
    QTest::newRow("large but in range") << L{"2", "0", "1,7E308"} << L{"8,5E+307"} << QString();
    QTest::newRow("c - b beyond range") << L{"1", "-1E308", "1E308"} << L() << kOverflow;
    QTest::newRow("c - b beyond range, root not")
        << L{"2", "-1E308", "1E308"} << L{"1E+308"} << QString();
    QTest::newRow("quotient beyond range") << L{"1E-10", "0", "1E300"} << L() << kOverflow;
}

void TestEquationSolve::linear() {
    QFETCH(QStringList, abc);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    const Answer answer = linearAnswer(solveLinear(typed(abc[0]), typed(abc[1]), typed(abc[2])));
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.message, message);
}

void TestEquationSolve::quadratic_data() {
    QTest::addColumn<bool>("biquadratic");
    QTest::addColumn<QStringList>("abc"); // the coefficients as typed
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    using L = QStringList;

    const L none2(2, kNoRoots);
    const L none4(4, kNoRoots);

    QTest::newRow("q: larger root first for positive a")
        << false << L{"1", "-3", "2"} << L{"2", "1"} << QString();
    QTest::newRow("q: smaller root first for negative a")
        << false << L{"-1", "3", "-2"} << L{"1", "2"} << QString();
    QTest::newRow("q: D zero") << false << L{"1", "2", "1"} << L{"-1", kOneRootDoubled}
                               << QString();
    QTest::newRow("q: D zero at zero is not -0")
        << false << L{"1", "0", "0"} << L{"0", kOneRootDoubled} << QString();
    QTest::newRow("q: no roots, two boxes") << false << L{"1", "0", "1"} << none2 << kNoRealRoots;
    QTest::newRow("q: irrational roots")
        << false << L{"1", "0", "-2"} << L{"1,4142135623731", "-1,4142135623731"} << QString();
    QTest::newRow("q: correctly rounded roots")
        << false << L{"3", "7", "1"} << L{"-0,152872911616963", "-2,18046042171637"} << QString();
    QTest::newRow("q: large coefficients")
        << false << L{"3E150", "7E150", "1E150"} << L{"-0,152872911616963", "-2,18046042171637"}
        << QString();
    QTest::newRow("q: small coefficients")
        << false << L{"3E-150", "7E-150", "1E-150"} << L{"-0,152872911616963", "-2,18046042171637"}
        << QString();
    QTest::newRow("q: negative a, decimal coefficients")
        << false << L{"-2,5", "1,1", "7,3"} << L{"-1,50290452434254", "1,94290452434254"}
        << QString();
    QTest::newRow("q: x^2 + 100x + 1")
        << false << L{"1", "100", "1"} << L{"-0,01000100020005", "-99,9899989997999"} << QString();
    QTest::newRow("q: D zero typed with decimals: (x - 0,7)^2")
        << false << L{"1", "-1,4", "0,49"} << L{"0,7", kOneRootDoubled} << QString();
    QTest::newRow("q: (x - 0,1)^2")
        << false << L{"1", "-0,2", "0,01"} << L{"0,1", kOneRootDoubled} << QString();
    QTest::newRow("q: (x - 0,4)^2")
        << false << L{"1", "-0,8", "0,16"} << L{"0,4", kOneRootDoubled} << QString();
    QTest::newRow("q: (x - 0,57)^2")
        << false << L{"1", "-1,14", "0,3249"} << L{"0,57", kOneRootDoubled} << QString();
    QTest::newRow("q: 0,3(x + 1)^2")
        << false << L{"0,3", "0,6", "0,3"} << L{"-1", kOneRootDoubled} << QString();
    QTest::newRow("q: small root of x1 cancels")
        << false << L{"1", "1E8", "1"} << L{"-1E-08", "-100000000"} << QString();
    QTest::newRow("q: just inside the cancellation share")
        << false << L{"1", "200", "1"} << L{"-0,00500012500625039", "-199,994999874994"}
        << QString();
    QTest::newRow("q: small root of x2 cancels")
        << false << L{"-1", "-1E8", "-1"} << L{"-100000000", "-1E-08"} << QString();
    QTest::newRow("q: squares beyond range, roots not")
        << false << L{"1E200", "0", "-1E200"} << L{"1", "-1"} << QString();
    QTest::newRow("q: D zero, squares beyond range")
        << false << L{"1E300", "2E300", "1E300"} << L{"-1", kOneRootDoubled} << QString();
    QTest::newRow("q: tiny a and c")
        << false << L{"1E-300", "1", "1E-300"} << L{"-1E-300", "-1E+300"} << QString();
    QTest::newRow("q: tiny c kept beside huge a")
        << false << L{"1E300", "0", "-1E-300"} << L{"1E-300", "-1E-300"} << QString();
    QTest::newRow("q: tiny a kept beside huge c")
        << false << L{"1E-300", "0", "-1E300"} << L{"1E+300", "-1E+300"} << QString();
    QTest::newRow("q: tiny b beside huge a and c")
        << false << L{"1E300", "1E-300", "-1E300"} << L{"1", "-1"} << QString();
    QTest::newRow("q: huge a, zero c")
        << false << L{"1E200", "1", "0"} << L{"0", "-1E-200"} << QString();
    QTest::newRow("q: root beyond range") << false << L{"1E-300", "1E300", "1"} << L() << kOverflow;
    QTest::newRow("q: zero a") << false << L{"0", "1", "1"} << L() << kZeroLeading;

    QTest::newRow("b: four roots")
        << true << L{"1", "-5", "4"} << L{"2", "1", "-2", "-1"} << QString();
    QTest::newRow("b: y1 positive, y2 negative")
        << true << L{"1", "1", "-2"} << L{"1", "-1", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: y1 negative, y2 positive")
        << true << L{"-1", "1", "2"}
        << L{"1,4142135623731", "-1,4142135623731", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: y1 zero, y2 negative")
        << true << L{"1", "1", "0"} << L{"0", kOneRoot, kOneRoot, kOneRoot} << QString();
    QTest::newRow("b: y1 negative, y2 zero")
        << true << L{"-1", "-1", "0"} << L{"0", kOneRoot, kOneRoot, kOneRoot} << QString();
    QTest::newRow("b: y1 positive, y2 zero")
        << true << L{"1", "-1", "0"} << L{"1", "0", "-1", "0"} << QString();
    QTest::newRow("b: y1 zero, y2 positive")
        << true << L{"-1", "1", "0"} << L{"0", "1", "0", "-1"} << QString();
    QTest::newRow("b: D zero, y positive")
        << true << L{"1", "-2", "1"} << L{"1", "-1", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: D zero, y zero")
        << true << L{"1", "0", "0"} << L{"0", kOneRoot, kOneRoot, kOneRoot} << QString();
    QTest::newRow("b: D zero, y negative") << true << L{"1", "2", "1"} << none4 << kNoRealRoots;
    QTest::newRow("b: both y negative") << true << L{"1", "3", "2"} << none4 << kNoRealRoots;
    QTest::newRow("b: D negative") << true << L{"1", "0", "4"} << none4 << kNoRealRoots;
    QTest::newRow("b: small y cancels")
        << true << L{"1", "-1E8", "1"} << L{"10000", "0,0001", "-10000", "-0,0001"} << QString();
    QTest::newRow("b: y beyond range, its roots not")
        << true << L{"1E-300", "-1E300", "1"} << L{"1E+300", "1E-150", "-1E+300", "-1E-150"}
        << QString();
    QTest::newRow("b: root beyond range") << true << L{"1E-320", "-1E300", "1"} << L() << kOverflow;
    QTest::newRow("b: D zero typed with decimals")
        << true << L{"1", "-1,4", "0,49"}
        << L{"0,836660026534076", "-0,836660026534076", kTwoRoots, kTwoRoots} << QString();
    QTest::newRow("b: four roots from decimal y")
        << true << L{"1", "-0,5", "0,04"}
        << L{"0,632455532033676", "0,316227766016838", "-0,632455532033676", "-0,316227766016838"}
        << QString();
}

void TestEquationSolve::quadratic() {
    QFETCH(bool, biquadratic);
    QFETCH(QStringList, abc);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    const Kind kind = biquadratic ? Kind::Biquadratic : Kind::Quadratic;
    const Answer answer =
        quadraticAnswer(kind, solveQuadratic(kind, typed(abc[0]), typed(abc[1]), typed(abc[2])));
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.message, message);
}

QTEST_APPLESS_MAIN(TestEquationSolve)
#include "tst_equationsolve.moc"

#include "common/numtext.h"
#include "common/words.h"
#include "geometry/trianglewords.h"

#include <QtTest>

namespace {

const QString kNone = geometry::kCannotFind;

// The givens exactly as typed, in the order of Side.
geometry::TriangleGivens givensOf(const QStringList& typed) {
    const auto number = [&typed](qsizetype i) { return *common::parseNumber(typed[i]); };
    return {number(0), number(1), number(2), number(3), number(4)};
}

} // namespace

class TestTriangle : public QObject {
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
};

void TestTriangle::solve_data() {
    // Givens A, B, AB, AC, BC as typed; the five result texts (none when refused); messages.
    QTest::addColumn<QStringList>("givens");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("messages");
    using L = QStringList;
    using namespace geometry;

    QTest::newRow("nothing given") << L{"0", "0", "0", "0", "0"} << L(5, kNone) << L{};
    QTest::newRow("two legs, no angle derived")
        << L{"0", "0", "0", "3", "4"} << L{kNone, kNone, "5", "3", "4"} << L{};
    QTest::newRow("hypotenuse and leg")
        << L{"0", "0", "5", "0", "4"} << L{kNone, kNone, "5", "3", "4"} << L{};
    QTest::newRow("A 45, AC 1: exact tangent, correctly rounded hypotenuse")
        << L{"45", "45", "0", "1", "0"} << L{"45", "45", "1,4142135623731", "1", "1"} << L{};
    QTest::newRow("A 30, AB 10") << L{"30", "60", "10", "0", "0"}
                                 << L{"30", "60", "10", "8,66025403784439", "5"} << L{};
    QTest::newRow("B alone with a leg: A derived")
        << L{"0", "60", "0", "0", "5"} << L{"30", "60", "10", "8,66025403784439", "5"} << L{};
    QTest::newRow("A alone: exact B, correctly rounded sides")
        << L{"80,1", "0", "10", "0", "0"}
        << L{"80,1", "9,9", "10", "1,7192910027941", "9,85109326154774"} << L{};
    QTest::newRow("leg from nearly equal hypotenuse and leg")
        << L{"0", "0", "5", "4,9999", "0"} << L{kNone, kNone, "5", "4,9999", "0,0316226184874055"}
        << L{};
    QTest::newRow("given texts kept, BC as its number")
        << L{"30", "0", "5,0", "0", "4,0"} << L{"30", "60", "5,0", "3", "4"} << L{};
    QTest::newRow("negative A: BC from the absolute sine only")
        << L{"-30", "0", "10", "0", "0"} << L{"-30", "120", "10", "8,66025403784439", "5"} << L{};
    QTest::newRow("given values never checked against each other")
        << L{"10", "0", "0", "3", "4"} << L{"10", "80", "5", "3", "4"} << L{};
    QTest::newRow("zero typed as -0 or 0,0 is missing")
        << L{"-0", "0,0", "0", "3", "4"} << L{kNone, kNone, "5", "3", "4"} << L{};

    QTest::newRow("AC not below AB: both texts appended")
        << L{"0", "0", "5", "7", "0"} << L{} << L{kHypotenuseAC + "57"};
    QTest::newRow("BC not below AB") << L{"0", "0", "5", "0", "5"} << L{} << L{kHypotenuseBC};
    QTest::newRow("whole parts summed: -1 + 90, then B >= 90")
        << L{"-0,5", "90,5", "0", "0", "0"} << L{} << L{kAngleSum};
    QTest::newRow("several messages in one press")
        << L{"89", "89,9", "5", "7", "6"} << L{}
        << L{kAngleSum, kHypotenuseAC + "57", kHypotenuseBC};
    QTest::newRow("sum beyond 16 bits")
        << L{"40000", "1", "0", "0", "0"} << L{} << L{kAngleSum, kAngleSum};

    QTest::newRow("legs whose squares overflow")
        << L{"0", "0", "0", "3E200", "4E200"} << L{kNone, kNone, "5E+200", "3E200", "4E+200"}
        << L{};
    QTest::newRow("hypotenuse and leg whose squares overflow")
        << L{"0", "0", "1E200", "6E199", "0"} << L{kNone, kNone, "1E200", "6E199", "8E+199"} << L{};
    QTest::newRow("legs whose squares vanish")
        << L{"0", "0", "0", "3E-200", "4E-200"} << L{kNone, kNone, "5E-200", "3E-200", "4E-200"}
        << L{};
    QTest::newRow("tiny angle: the sides leave the range")
        << L{"1E-310", "0", "0", "0", "1"} << L{} << L{common::words::kOverflow};
}

void TestTriangle::solve() {
    QFETCH(QStringList, givens);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, messages);

    using namespace geometry;
    const auto answer = triangleAnswer(solveTriangle(givensOf(givens)), givens);
    QCOMPARE(answer.boxes, boxes);
    QCOMPARE(answer.messages, messages);
}

QTEST_APPLESS_MAIN(TestTriangle)
#include "tst_triangle.moc"

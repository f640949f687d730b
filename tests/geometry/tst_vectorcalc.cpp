#include "geometry/vectorcalc.h"

#include "common/numtext.h"

#include <QtTest>
#include <optional>

using geometry::clipLine;
using geometry::drawingScale;

class TestVectorCalc : public QObject {
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void clipping_data();
    void clipping();
};

void TestVectorCalc::scale_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<int>>("scale");
    QTest::newRow("negative rounded down") << "-2,5" << std::optional(-3);
    QTest::newRow("top of 16 bits") << "32767,9" << std::optional(32767);
    QTest::newRow("closer to 32768 than a double holds")
        << "32767,99999999999999999" << std::optional(32767);
    QTest::newRow("below 16 bits") << "-32768,5" << std::optional<int>();
}

void TestVectorCalc::scale() {
    QFETCH(QString, typed);
    QFETCH(std::optional<int>, scale);
    QCOMPARE(drawingScale(*common::parseNumber(typed)), scale);
}

void TestVectorCalc::clipping_data() {
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<std::optional<QLineF>>("clipped");
    // Every line is cut to the square (0, 0)–(100, 100).
    QTest::newRow("inside stays") << QLineF(10, 20, 30, 40)
                                  << std::optional(QLineF(10, 20, 30, 40));
    QTest::newRow("crossing both sides")
        << QLineF(-50, 50, 150, 50) << std::optional(QLineF(0, 50, 100, 50));
    QTest::newRow("far off, in range of doubles only")
        << QLineF(0, 50, 3e104, -3e104) << std::optional(QLineF(0, 50, 50, 0));
    QTest::newRow("parallel outside") << QLineF(-5, 10, -5, 90) << std::optional<QLineF>();
    QTest::newRow("passing a corner by") << QLineF(90, -20, 120, 10) << std::optional<QLineF>();
}

void TestVectorCalc::clipping() {
    QFETCH(QLineF, line);
    QFETCH(std::optional<QLineF>, clipped);
    const auto result = clipLine(line, QRectF(0, 0, 100, 100));
    QCOMPARE(result.has_value(), clipped.has_value());
    if (clipped) {
        QCOMPARE(result->p1(), clipped->p1());
        QCOMPARE(result->p2(), clipped->p2());
    }
}

QTEST_MAIN(TestVectorCalc)
#include "tst_vectorcalc.moc"

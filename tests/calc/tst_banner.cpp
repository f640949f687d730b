#include "calc/banner.h"

#include <QtTest>
#include <vector>

using calc::Banner;

namespace {

// Hands out the given draws in order and counts the reseeds.
struct ScriptedRandom {
    std::vector<float> draws;
    std::size_t next = 0;
    int reseeds = 0;

    Banner::Random source() {
        return {[this] { ++reseeds; }, [this] { return draws.at(next++); }};
    }
};

} // namespace

class TestBanner : public QObject {
    Q_OBJECT

private slots:
    void draw_data();
    void draw();
    void ticks_data();
    void ticks();
    void neverTheSameTwice();
};

void TestBanner::draw_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("below 1/6") << 0.1666f << 1;
    QTest::newRow("1/6: 1.5 goes to 2") << 1.0f / 6 << 2;
    QTest::newRow("1/2: 2.5 goes to 2") << 0.5f << 2;
    QTest::newRow("just above 1/2") << std::nextafter(0.5f, 1.0f) << 3;
    QTest::newRow("just below 5/6") << std::nextafter(5.0f / 6, 0.0f) << 3;
    QTest::newRow("5/6 in single precision: 3.5 goes to 4") << 5.0f / 6 << 4;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 4;
}

void TestBanner::draw() {
    QFETCH(float, r);
    QFETCH(int, number);
    QCOMPARE(Banner::numberFor(r), number);
}

void TestBanner::ticks_data() {
    // After so many ticks of banner 1 (98 characters): leading blanks, then `count` of its
    // characters from index `from`; and the banner then scrolling.
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("banner");
    QTest::newRow("start") << 0 << 82 << 0 << 0 << 1;
    QTest::newRow("one second") << 10 << 72 << 0 << 10 << 1;
    QTest::newRow("last character in; the final blank never enters") << 97 << 0 << 15 << 82 << 1;
    QTest::newRow("only losing characters") << 98 << 0 << 16 << 81 << 1;
    QTest::newRow("empty after 82 more") << 179 << 0 << 0 << 0 << 1;
    QTest::newRow("still empty on the last tick") << 183 << 0 << 0 << 0 << 1;
    QTest::newRow("next banner after L + 86 ticks") << 184 << 82 << 0 << 0 << 3;
}

void TestBanner::ticks() {
    QFETCH(int, ticks);
    QFETCH(int, blanks);
    QFETCH(int, from);
    QFETCH(int, count);
    QFETCH(int, banner);

    ScriptedRandom random{{0.0f, 0.6f}};
    Banner ticker(random.source());
    ticker.startNext();
    const QString text = Banner::texts()[0];
    QCOMPARE(text.size(), 98);
    for (int i = 0; i < ticks; ++i) {
        ticker.tick();
    }
    QCOMPARE(ticker.line(), QString(blanks, u' ') + text.mid(from, count));
    QCOMPARE(ticker.current(), banner);
}

void TestBanner::neverTheSameTwice() {
    // 0,9 draws 4 again and is drawn anew; so is 0,1 after 1.
    ScriptedRandom random{{0.9f, 0.9f, 0.9f, 0.1f, 0.0f, 0.4f}};
    Banner ticker(random.source());
    QList<int> chosen;
    for (int i = 0; i < 3; ++i) {
        ticker.startNext();
        chosen << ticker.current();
    }
    QCOMPARE(chosen, (QList<int>{4, 1, 2}));
    QCOMPARE(random.reseeds, 3);
    for (const QString& text : Banner::texts()) {
        QVERIFY(text.endsWith(u' ') && !text.endsWith(QStringLiteral("  ")));
    }
}

QTEST_APPLESS_MAIN(TestBanner)
#include "tst_banner.moc"

#include "geometry/treugform.h"
#include "geometry/trianglewords.h"

#include "common/windowregistry.h"
#include "common/words.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QAction>
#include <QtTest>

using formdriver::box;
using formdriver::texts;
using geometry::TreugForm;

namespace {

const QStringList kGiven{"DyA", "DyB", "DsAB", "DsAC", "DsBC"};
const QStringList kResults{"RyA", "RyB", "RsAB", "RsAC", "RsBC"};

} // namespace

class TestTreugForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void coupling_data();
    void coupling();
    void solve_data();
    void solve();
    void closeHidesAndKeepsEverything();
};

void TestTreugForm::cleanup() {
    formdriver::discardWindows();
}

void TestTreugForm::coupling_data() {
    // Typed key by key into the emptied box; both angle boxes afterwards; messages shown.
    QTest::addColumn<QString>("into");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("angles");
    QTest::addColumn<int>("messages");
    using L = QStringList;
    QTest::newRow("30 sets B") << "DyA"
                               << "30" << L{"30", "60"} << 0;
    QTest::newRow("25 into B sets A") << "DyB"
                                      << "25" << L{"65", "25"} << 0;
    QTest::newRow("30,5 keeps its digits") << "DyA"
                                           << "30,5" << L{"30,5", "59,5"} << 0;
    QTest::newRow("a trailing comma stays") << "DyA"
                                            << "30," << L{"30,", "60"} << 0;
    QTest::newRow("0,1 is not written back") << "DyA"
                                             << "0,1" << L{"0,1", "89,9"} << 0;
    QTest::newRow("80,1") << "DyA"
                          << "80,1" << L{"80,1", "9,9"} << 0;
    QTest::newRow("89,9") << "DyA"
                          << "89,9" << L{"89,9", "0,1"} << 0;
    QTest::newRow("a lone minus is not a number") << "DyA"
                                                  << "-5" << L{"-5", "95"} << 1;
}

void TestTreugForm::coupling() {
    QFETCH(QString, into);
    QFETCH(QString, typed);
    QFETCH(QStringList, angles);
    QFETCH(int, messages);

    TreugForm& form = common::showWindow<TreugForm>();
    MessageRecorder recorder;
    box(form, into)->clear(); // an empty box changes nothing
    QTest::keyClicks(box(form, into), typed);
    QCOMPARE(texts(form, {"DyA", "DyB"}), angles);
    QCOMPARE(recorder.shown.size(), messages);
    for (const auto& shown : recorder.shown) {
        QCOMPARE(shown, qMakePair(geometry::kTriangleTitle, common::words::kNotNumber));
    }
}

void TestTreugForm::solve_data() {
    // Texts put into the five given boxes, then the given and result boxes after "Найти >>",
    // and the messages.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("messages");
    using L = QStringList;
    const L untouched(5, QString());
    const QString none = geometry::kCannotFind;

    QTest::newRow("a fresh window finds nothing")
        << L{"0", "0", "0", "0", "0"} << L{"0", "0", "0", "0", "0"} << L(5, none) << L{};
    QTest::newRow("solved") << L{"30", "60", "10", "0", "0"} << L{"30", "60", "10", "0", "0"}
                            << L{"30", "60", "10", "8,66025403784439", "5"} << L{};
    QTest::newRow("A 80,1 with B by the coupling")
        << L{"80,1", "0", "10", "0", "0"} << L{"80,1", "9,9", "10", "0", "0"}
        << L{"80,1", "9,9", "10", "1,7192910027941", "9,85109326154774"} << L{};
    QTest::newRow("emptied A turns B into 90 before B is read")
        << L{"", "87", "", "", ""} << L{"0", "90", "0", "0", "0"} << untouched
        << L{geometry::kAngleSum};
    QTest::newRow("every bad box reported, then nothing")
        << L{"0", "0", "x", "0", "y"} << L{"0", "0", "x", "0", "y"} << untouched
        << L{common::words::kNotNumber, common::words::kNotNumber};
    QTest::newRow("emptied B: A read before it turns 90; overflow writes no box")
        << L{"1E-310", "", "0", "0", "1"} << L{"90", "0", "0", "0", "1"} << untouched
        << L{common::words::kOverflow};
}

void TestTreugForm::solve() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, given);
    QFETCH(QStringList, results);
    QFETCH(QStringList, messages);

    TreugForm& form = common::showWindow<TreugForm>();
    // Filled last box first, as a user would; boxes left empty are emptied at the end.
    QStringList emptied;
    for (qsizetype i = kGiven.size() - 1; i >= 0; --i) {
        if (!typed[i].isEmpty()) {
            box(form, kGiven[i])->setText(typed[i]);
        }
    }
    for (qsizetype i = 0; i < kGiven.size(); ++i) {
        if (typed[i].isEmpty()) {
            emptied << kGiven[i];
        }
    }
    const auto row = formdriver::pressWith(form, emptied, {}, "Per", kGiven + kResults,
                                           geometry::kTriangleTitle);
    QCOMPARE(row.texts, given + results);
    QCOMPARE(row.messages, messages);
    QVERIFY(row.underTitle);
}

void TestTreugForm::closeHidesAndKeepsEverything() {
    TreugForm* form = &common::showWindow<TreugForm>();
    box(*form, "DsAB")->setText("7");
    box(*form, "RsBC")->setText("3");
    form->findChild<QAction*>("Close")->trigger();
    QVERIFY(!form->isVisible());
    QCOMPARE(&common::showWindow<TreugForm>(), form);
    QCOMPARE(texts(*form, {"DsAB", "RsBC"}), (QStringList{"7", "3"}));

    form->close();
    TreugForm& fresh = common::showWindow<TreugForm>();
    QCOMPARE(texts(fresh, {"DsAB", "RsBC"}), (QStringList{"0", ""}));
}

QTEST_MAIN(TestTreugForm)
#include "tst_treugform.moc"

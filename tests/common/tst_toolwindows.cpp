#include "about/aform.h"
#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"
#include "support/formdriver.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <cstdlib>
#include <functional>

// What every tool window shares: a fixed dialog border without minimize and maximize boxes,
// no taskbar entry, the middle of the screen, and Tab walking its controls in reading order.
class TestToolWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formdriver::discardWindows(); }
    void style_data();
    void style();
};

using formdriver::opener;

namespace {

// The object names Tab visits from the control that has the focus at opening, back to it.
QStringList tabWalk(QWidget& window) {
    QStringList names;
    QWidget* const start = QApplication::focusWidget();
    if (start == nullptr || start->window() != &window) {
        return {QStringLiteral("(no focus)")};
    }
    QWidget* at = start;
    do {
        names << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at != nullptr && at != start && names.size() < 40);
    return names;
}

} // namespace

void TestToolWindows::style_data() {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("tabs");
    // An option group is one stop: Tab reaches its selected button.
    QTest::newRow("GForm") << opener<equations::GForm>()
                           << QStringList{"Option1", "Command1", "Command2"};
    QTest::newRow("LINURForm") << opener<equations::LINURForm>()
                               << QStringList{"a", "b", "c", "Command2", "k", "Command1"};
    QTest::newRow("KVURForm") << opener<equations::KVURForm>()
                              << QStringList{"a",  "b",        "c",       "Command1", "k1",
                                             "k2", "Command2", "Option1", "k3",       "k4"};
    QTest::newRow("TreugForm") << opener<geometry::TreugForm>()
                               << QStringList{"DyA", "DyB", "DsAB", "DsAC", "DsBC", "Per",
                                              "RyA", "RyB", "RsAB", "RsAC", "RsBC", "Command1"};
    QTest::newRow("VectorForm") << opener<geometry::VectorForm>()
                                << QStringList{"tx1",   "ty1",      "tx2",  "ty2",    "dlina",
                                               "kord",  "Command1", "tRst", "tkordx", "tkordy",
                                               "tSerx", "tSery",    "Mstb", "Pict",   "Clear"};
    QTest::newRow("DrobForm") << opener<fractions::DrobForm>()
                              << QStringList{"cl1", "zn1",      "cl2", "zn2", "sloz",  "vct",
                                             "umn", "razdelit", "icl", "izn", "itdsv", "close"};
    QTest::newRow("AForm") << opener<about::AForm>() << QStringList{"Command1"};
}

void TestToolWindows::style() {
    QFETCH(Opener, open);
    QFETCH(QStringList, tabs);
    QWidget& window = open();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(window.windowType(), Qt::Tool);
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size(), window.minimumSize());

    // Centred before it is shown, the window can lie off by at most what its frame adds.
    const QPoint middle = window.screen()->availableGeometry().center();
    const QPoint off = window.frameGeometry().center() - middle;
    const QSize frame = window.frameGeometry().size() - window.size();
    QVERIFY2(std::abs(off.x()) <= frame.width() / 2 + 1 &&
                 std::abs(off.y()) <= frame.height() / 2 + 1,
             qPrintable(QStringLiteral("off by %1,%2").arg(off.x()).arg(off.y())));

    QCOMPARE(tabWalk(window), tabs);
}

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"

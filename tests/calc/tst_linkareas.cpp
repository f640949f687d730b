#include "calcdriver.h"

#include "calc/bannerview.h"
#include "calc/linkareas.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

using calc::BannerView;
using calc::LinkPanel;

// The calculator window around its keys: the link areas, the banner, and keys typed at once.
class TestLinkAreas : public QObject {
    Q_OBJECT

private slots:
    void linkAreasOpenTheirPages_data();
    void linkAreasOpenTheirPages();
    void linkAreasOpenFromTheKeyboard_data();
    void linkAreasOpenFromTheKeyboard();
    void hoverFrame_data();
    void hoverFrame();
    void typingComputesAtOnce();
    void bannerScrollsWithTheTimer();
};

namespace {

// The leftmost pixel of the banner line drawn in other than the line's background, or -1.
int leftmostInk(BannerView& line) {
    const QImage image = line.grab().toImage();
    const QColor paper = line.palette().color(QPalette::Base);
    const QRect box = line.lineRect();
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            if (image.pixelColor(QPoint(x, y) * image.devicePixelRatio()) != paper) {
                return x;
            }
        }
    }
    return -1;
}

} // namespace

void TestLinkAreas::linkAreasOpenTheirPages_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("Image1") << "Image1" << QUrl("https://cifroid.example/reclama.htm");
    QTest::newRow("Image2") << "Image2"
                            << QUrl("https://download.cifroid.example/rus/download.htm");
}

void TestLinkAreas::linkAreasOpenTheirPages() {
    QFETCH(QString, area);
    QFETCH(QUrl, address);
    CalcDriver calc;
    calc.press("1 2 m+ + 3");
    AddressRecorder addresses;
    QTest::mouseClick(calc.control(area), Qt::LeftButton);
    QCOMPARE(addresses.opened, QList<QUrl>{address});
    QCOMPARE(calc.display(), QStringLiteral("3"));
    QCOMPARE(calc.operationLine(), QStringLiteral("Текущее действие: +"));
    QCOMPARE(calc.slot(1), QStringLiteral("12"));
}

void TestLinkAreas::linkAreasOpenFromTheKeyboard_data() {
    QTest::addColumn<int>("tabs"); // from the last tool key
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("Image1 by Enter") << 1 << int(Qt::Key_Return) << "Реклама на сайте"
                                     << QUrl("https://cifroid.example/reclama.htm");
    QTest::newRow("Image2 by Space") << 2 << int(Qt::Key_Space) << "Скачать Цифроид Плюс"
                                     << QUrl("https://download.cifroid.example/rus/download.htm");
}

void TestLinkAreas::linkAreasOpenFromTheKeyboard() {
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(QUrl, address);
    CalcDriver calc;
    calc.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&calc.window()));
    calc.press("2 + 3");
    calc.control("Command8")->setFocus();
    for (int i = 0; i < tabs; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QWidget* area = QApplication::focusWidget();
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(area);
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), name);
    auto* panel = calc.window().findChild<LinkPanel*>();
    const LinkPanel::Lit lit = tabs == 1 ? LinkPanel::Lit::Image1 : LinkPanel::Lit::Image2;
    const QImage image = panel->grab().toImage();
    QCOMPARE(image.pixelColor(panel->frameOf(lit).topLeft() * image.devicePixelRatio()),
             QColor(255, 0, 0));

    AddressRecorder addresses;
    QTest::keyClick(area, Qt::Key(key));
    QCOMPARE(addresses.opened, QList<QUrl>{address});
    QCOMPARE(calc.operationLine(), QStringLiteral("Текущее действие: +")); // no "="
    QTest::keyClick(area, Qt::Key_4); // other keys are the calculator's
    QCOMPARE(calc.display(), QStringLiteral("34"));
}

void TestLinkAreas::hoverFrame_data() {
    // Where the mouse goes, in order, and which area is outlined afterwards.
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<int>("lit");
    using L = QStringList;
    const int none = int(LinkPanel::Lit::None);
    QTest::newRow("onto Image1") << L{"body", "Image1"} << int(LinkPanel::Lit::Image1);
    QTest::newRow("on to Image2") << L{"Image1", "Image2"} << int(LinkPanel::Lit::Image2);
    QTest::newRow("back to the bare window") << L{"Image2", "body"} << none;
    QTest::newRow("over a key erases it too") << L{"Image1", "B5"} << none;
    QTest::newRow("press on Label1 erases it") << L{"Image1", "press Label1"} << none;
}

void TestLinkAreas::hoverFrame() {
    QFETCH(QStringList, moves);
    QFETCH(int, lit);
    CalcDriver calc;
    calc.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&calc.window()));
    for (const QString& move : moves) {
        if (move.startsWith("press ")) {
            auto* label = calc.control(move.mid(6));
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                              label->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(label, &press);
            continue;
        }
        // Through the window, as the system delivers it, to whatever lies under the point.
        QWidget* target = calc.control(move);
        const QPoint at = target->mapTo(&calc.window(), target->rect().center());
        QTest::mouseMove(calc.window().windowHandle(), at);
    }
    auto* panel = calc.window().findChild<LinkPanel*>();
    QCOMPARE(int(panel->lit()), lit);

    // The outline is on the screen: red at its corner, or none anywhere near an area.
    const QImage image = panel->grab().toImage();
    for (const auto area : {LinkPanel::Lit::Image1, LinkPanel::Lit::Image2}) {
        const QPoint corner = panel->frameOf(area).topLeft();
        const bool red = image.pixelColor(corner * image.devicePixelRatio()) == QColor(255, 0, 0);
        QCOMPARE(red, int(area) == lit);
    }
}

void TestLinkAreas::typingComputesAtOnce() {
    CalcDriver calc;
    calc.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&calc.window()));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(qobject_cast<QPushButton*>(focus));
    QTest::keyClick(focus, Qt::Key_2);
    QTest::keyClick(focus, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(focus, Qt::Key_3);
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(calc.display(), QStringLiteral("5"));
}

// Each banner enters at the line's right edge and moves a column a tick; the line takes no focus
// and speaks by a fixed name.
void TestLinkAreas::bannerScrollsWithTheTimer() {
    CalcDriver calc;
    auto* line = calc.control<BannerView>("bStr");
    QCOMPARE(line->focusPolicy(), Qt::NoFocus);
    auto* timer = calc.window().findChild<QTimer*>("Timer1");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 100);
    QCOMPARE(leftmostInk(*line), -1); // 82 blanks
    int ticked = 0;
    for (const int ticks : {1, 41}) {
        for (; ticked < ticks; ++ticked) {
            calc.window().scrollBanner();
        }
        const qreal at = line->lineRect().left() + (82 - ticks) * line->columnWidth();
        const int ink = leftmostInk(*line);
        QVERIFY2(ink >= at - 1 && ink < at + line->columnWidth(), qPrintable(QString::number(ink)));
    }
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(line);
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Бегущая строка"));
    QVERIFY(spoken->text(QAccessible::Description).contains(QStringLiteral("Цифроид Плюс")));
    QVERIFY(!spoken->textInterface());
}

QTEST_MAIN(TestLinkAreas)
#include "tst_linkareas.moc"

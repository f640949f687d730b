#include "calcdriver.h"

#include "calc/linkareas.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using calc::LinkPanel;

// The calculator window around its keys: the link areas, the banner, and keys typed at once.
class TestLinkAreas : public QObject {
    Q_OBJECT

private slots:
    void linkAreasOpenTheirPages_data();
    void linkAreasOpenTheirPages();
    void hoverFrame_data();
    void hoverFrame();
    void typingComputesAtOnce();
    void bannerScrollsWithTheTimer();
};

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

void TestLinkAreas::bannerScrollsWithTheTimer() {
    CalcDriver calc;
    auto* line = calc.control<QLineEdit>("bStr");
    QCOMPARE(line->text(), QString(82, u' '));
    auto* timer = calc.window().findChild<QTimer*>("Timer1");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 100);
    calc.window().scrollBanner();
    QCOMPARE(line->text().size(), 82);
    QVERIFY(!line->text().endsWith(u' ')); // every banner starts with a character
}

QTEST_MAIN(TestLinkAreas)
#include "tst_linkareas.moc"

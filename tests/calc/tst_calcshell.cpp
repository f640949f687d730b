#include "calc/calcshell.h"
#include "calc/linkareas.h"
#include "calcdriver.h"
#include "common/windowregistry.h"
#include "support/formdriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using calc::LinkPanel;

// The calculator's doors: the tool keys, the "Справка" menu, the link areas and the banner.
class TestCalcShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void toolKeysOpenTheirWindows_data();
    void toolKeysOpenTheirWindows();
    void helpPage_data();
    void helpPage();
    void whatsNewTouchesNothing();
    void linkAreasOpenTheirPages_data();
    void linkAreasOpenTheirPages();
    void hoverFrame_data();
    void hoverFrame();
    void typingComputesAtOnce();
    void bannerScrollsWithTheTimer();

private:
    QString startFolder_;
};

void TestCalcShell::initTestCase() {
    QStandardPaths::setTestModeEnabled(true); // the installed copy is looked for here
    startFolder_ = QDir::currentPath();
}

void TestCalcShell::cleanup() {
    QDir::setCurrent(startFolder_);
    formdriver::discardWindows();
}

void TestCalcShell::toolKeysOpenTheirWindows_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("Решить уравнение") << "Command7"
                                      << "GForm";
    QTest::newRow("Треугольник") << "treug"
                                 << "TreugForm";
    QTest::newRow("Вектор") << "Command2"
                            << "VectorForm";
    QTest::newRow("Дробный калькулятор") << "Command8"
                                         << "DrobForm";
}

void TestCalcShell::toolKeysOpenTheirWindows() {
    QFETCH(QString, key);
    QFETCH(QString, window);
    CalcDriver calc;
    calc.press("5 +");
    const auto opened = [&window] {
        QList<QWidget*> found;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == window && top->isVisible()) {
                found << top;
            }
        }
        return found;
    };
    calc.click(key);
    calc.click(key); // the second press only brings it to the front
    QCOMPARE(opened().size(), 1);
    QVERIFY(!opened().front()->parentWidget());
    QCOMPARE(calc.operationLine(), QStringLiteral("Текущее действие: +"));
}

void TestCalcShell::helpPage_data() {
    QTest::addColumn<bool>("inCurrentFolder");
    QTest::addColumn<bool>("installed");
    QTest::newRow("current folder first") << true << true;
    QTest::newRow("installed copy") << false << true;
    QTest::newRow("none: say which file") << false << false;
}

void TestCalcShell::helpPage() {
    QFETCH(bool, inCurrentFolder);
    QFETCH(bool, installed);
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    const QString local = current.filePath(calc::kHelpFile);
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/cifroid";
    const QString copy = dataFolder + "/" + calc::kHelpFile;
    QFile::remove(copy);
    for (const auto& [wanted, path] : {std::pair{inCurrentFolder, local}, {installed, copy}}) {
        if (wanted) {
            QDir().mkpath(QFileInfo(path).path());
            QFile page(path);
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
    }

    CalcDriver calc;
    AddressRecorder addresses;
    calc.window().findChild<QAction*>("help")->trigger();
    QFile::remove(copy);

    if (!inCurrentFolder && !installed) {
        QCOMPARE(addresses.opened, QList<QUrl>{});
        QCOMPARE(calc.messages.texts(),
                 QStringList{"Не найден файл справки " + QDir::toNativeSeparators(local)});
        return;
    }
    QCOMPARE(addresses.opened,
             QList<QUrl>{QUrl::fromLocalFile(inCurrentFolder ? local : QDir::cleanPath(copy))});
    QVERIFY(calc.messages.shown.isEmpty());
}

void TestCalcShell::whatsNewTouchesNothing() {
    CalcDriver calc;
    calc.press("7 * 2");
    calc.window().findChild<QAction*>("WhatNEW")->trigger();
    QCOMPARE(calc.messages.shown, (QList<QPair<QString, QString>>{
                                      {"Цифроид 2.26", "Новые функции в калькуляторе: x*10"}}));
    calc.press("=");
    QCOMPARE(calc.display(), QStringLiteral("14"));
}

void TestCalcShell::linkAreasOpenTheirPages_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("Image1") << "Image1" << QUrl("https://cifroid.example/reclama.htm");
    QTest::newRow("Image2") << "Image2"
                            << QUrl("https://download.cifroid.example/rus/download.htm");
}

void TestCalcShell::linkAreasOpenTheirPages() {
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

void TestCalcShell::hoverFrame_data() {
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

void TestCalcShell::hoverFrame() {
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

void TestCalcShell::typingComputesAtOnce() {
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

void TestCalcShell::bannerScrollsWithTheTimer() {
    CalcDriver calc;
    auto* line = calc.control<QLineEdit>("bStr");
    QCOMPARE(line->text(), QString(82, u' '));
    auto* timer = calc.window().findChild<QTimer*>("Timer1");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 100);
    calc.window().Timer1_Timer();
    QCOMPARE(line->text().size(), 82);
    QVERIFY(!line->text().endsWith(u' ')); // every banner starts with a character
}

QTEST_MAIN(TestCalcShell)
#include "tst_calcshell.moc"

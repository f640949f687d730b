#include "calcdriver.h"
#include "enginedriver.h"

#include "calc/calckeys.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

// The main window as a whole: its controls, menus, start-up and the ways out.
class TestCalcForm : public QObject {
    Q_OBJECT

private slots:
    void startsClean();
    void startText_data();
    void startText();
    void controls_data();
    void controls();
    void menus_data();
    void menus();
    void windowStyle();
    void everyTextBoxIsNamed();
    void keysDriveTheEngine();
    void inverseShowsWaitFirst();
    void endsTheProgram_data();
    void endsTheProgram();
};

void TestCalcForm::startsClean() {
    CalcDriver calc;
    QCOMPARE(calc.window().windowTitle(), QStringLiteral("Цифроид 2.26 калькулятор 1.3"));
    QCOMPARE(calc.display(), QStringLiteral("0"));
    QCOMPARE(calc.operationLine(), QStringLiteral("Текущее действие: "));
    QVERIFY(calc.control<QRadioButton>("p1")->isChecked());
    QVERIFY(calc.control<QRadioButton>("Grad")->isChecked());
    QVERIFY(!calc.control<QRadioButton>("Rad")->isChecked());
    QVERIFY(calc.window().engine().gradMode());
    QVERIFY(calc.control<QLineEdit>("bStr")->isReadOnly());
    const QFont font = calc.control<QLineEdit>("calc")->font();
    QVERIFY(font.bold());
    QCOMPARE(font.pointSize(), 12);
}

void TestCalcForm::startText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("afterPlus");
    QTest::addColumn<int>("messages");
    QTest::newRow("number") << "12,5"
                            << "12,5" << 0;
    QTest::newRow("words are kept unchecked") << "abc"
                                              << "abc" << 1;
    QTest::newRow("spaces inside") << "1 2"
                                   << "1 2" << 1;
}

void TestCalcForm::startText() {
    QFETCH(QString, text);
    QFETCH(QString, afterPlus);
    QFETCH(int, messages);
    CalcDriver calc(text);
    QCOMPARE(calc.display(), text);
    calc.press("+");
    QCOMPARE(calc.display(), afterPlus);
    QCOMPARE(calc.messages.shown.size(), messages);
}

void TestCalcForm::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<QPair<const char*, const char*>> keys{
        {"Command14", "x*10"},
        {"xd10", "x/10"},
        {"acs", "acos"},
        {"asn", "asin"},
        {"Command13", "2^x"},
        {"Command12", "exp"},
        {"Command11", "pi^x"},
        {"Command10", "e^x"},
        {"x10", "10^x"},
        {"Command9", "ln"},
        {"log2", "int"},
        {"csc1", "csc"},
        {"sc1", "sc"},
        {"onedx", "1/x"},
        {"cnste", "e"},
        {"cpi", "pi"},
        {"exp1", "sqr^y"},
        {"Command8", "Дробный калькулятор"},
        {"treug", "Треугольник"},
        {"Command2", "Вектор"},
        {"Command7", "Решить уравнение"},
        {"Clear", "Clear"},
        {"Command6", "m-"},
        {"Command5", "m+"},
        {"Command4", "Mrc"},
        {"p5", "Слот #5"},
        {"p1", "Слот #1"},
        {"Command3", "+/-"},
        {"procent", "%"},
        {"xy", "x^y"},
        {"X3", "x^3"},
        {"X2", "x^2"},
        {"ctg1", "ctg"},
        {"tg1", "tg"},
        {"cos1", "cos"},
        {"sin1", "sin"},
        {"B7", "7"},
        {"B1", "1"},
        {"tynull", "00"},
        {"null", "0"},
        {"plus", "+"},
        {"minus", "-"},
        {"delit", "/"},
        {"umn", "*"},
        {"ravno", "="},
        {"Command1", "OFF"},
        {"CE", "C"},
        {"Tck", ","},
        {"bk", "bk"},
        {"sqr1", "sqr"},
        {"Rad", "Радианы"},
        {"Grad", "Градусы"},
    };
    for (const auto& [name, caption] : keys) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
    }
}

void TestCalcForm::controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    CalcDriver calc;
    QCOMPARE(calc.control<QAbstractButton>(name)->text(), caption);
}

void TestCalcForm::menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("Exit") << "Exit"
                          << "Выход" << QKeySequence(Qt::Key_F12);
    QTest::newRow("help") << "help"
                          << "Помощь" << QKeySequence(Qt::Key_F1);
    QTest::newRow("WhatNEW") << "WhatNEW"
                             << "Что нового?" << QKeySequence();
    QTest::newRow("opg") << "opg"
                         << "О программе" << QKeySequence(Qt::Key_F2);
}

void TestCalcForm::menus() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    CalcDriver calc;
    auto* action = calc.window().findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void TestCalcForm::windowStyle() {
    CalcDriver calc;
    const Qt::WindowFlags flags = calc.window().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(calc.window().minimumSize(), calc.window().maximumSize());
    QCOMPARE(calc.control<QGroupBox>("Pmt")->title(), QStringLiteral(" Память "));
}

void TestCalcForm::everyTextBoxIsNamed() {
    CalcDriver calc;
    const auto boxes = calc.window().findChildren<QLineEdit*>();
    QVERIFY(!boxes.isEmpty());
    for (const QLineEdit* box : boxes) {
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    }
}

// Every key of the window runs its action and the window shows the engine's state afterwards:
// the same keys on a bare engine give the same display, operation line, slots and messages.
void TestCalcForm::keysDriveTheEngine() {
    CalcDriver calc;
    EngineDriver bare;
    for (const calc::KeyAction& action : calc::keyActions()) {
        const QString name = QString::fromLatin1(action.name);
        calc.click(name);
        bare.key(name);
        QCOMPARE(calc.display(), bare.engine.display());
        QCOMPARE(calc.operationLine(), bare.engine.operationLine());
        QCOMPARE(
            (QStringList{calc.slot(1), calc.slot(2), calc.slot(3), calc.slot(4), calc.slot(5)}),
            bare.captions());
        QCOMPARE(calc.messages.texts(), bare.host.messages);
    }
}

void TestCalcForm::inverseShowsWaitFirst() {
    CalcDriver calc;
    QSignalSpy shown(calc.control<QLineEdit>("calc"), &QLineEdit::textChanged);
    calc.press("0,5 acos");
    QStringList texts;
    for (const auto& args : shown) {
        texts << args.at(0).toString();
    }
    QCOMPARE(texts.mid(texts.size() - 2), (QStringList{"Подождите ...", "60"}));
}

void TestCalcForm::endsTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("OFF") << "OFF";
    QTest::newRow("menu Выход") << "Exit";
    QTest::newRow("F12") << "F12";
    QTest::newRow("close box") << "close";
}

void TestCalcForm::endsTheProgram() {
    QFETCH(QString, way);
    QuitRecorder quit;
    CalcDriver calc;
    calc.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&calc.window()));
    if (way == QLatin1String("OFF")) {
        calc.click("Command1");
    } else if (way == QLatin1String("Exit")) {
        calc.window().findChild<QAction*>("Exit")->trigger();
    } else if (way == QLatin1String("F12")) {
        QTest::keyClick(calc.control("ravno"), Qt::Key_F12);
    } else {
        calc.window().close();
    }
    QCOMPARE(quit.requests, 1);
    QCOMPARE(calc.display(), QStringLiteral("0")); // F12 is the menu's, not the key map's
}

QTEST_MAIN(TestCalcForm)
#include "tst_calcform.moc"

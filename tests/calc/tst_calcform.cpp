#include "calcdriver.h"
#include "enginedriver.h"

#include "calc/keytable.h"

#include <QAccessible>
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
    void spokenNames_data();
    void spokenNames();
    void liveLineIsReadByItsText();
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
    QVERIFY(calc.window().engine().valueInDegrees());
    QCOMPARE(calc.control("bStr")->focusPolicy(), Qt::NoFocus);
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
    for (const calc::Key& key : calc::keys()) {
        QTest::newRow(key.name) << QString::fromLatin1(key.name) << QString::fromUtf8(key.caption);
    }
    QTest::newRow("p1") << "p1"
                        << "Слот #1";
    QTest::newRow("p5") << "p5"
                        << "Слот #5";
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
    QCOMPARE(action->text().remove(QLatin1Char('&')), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void TestCalcForm::spokenNames_data() {
    QTest::addColumn<QString>("name");
    for (const calc::Key& key : calc::keys()) {
        QTest::newRow(key.name) << QString::fromLatin1(key.name);
    }
}

// What a screen reader gets for every key: a Russian name, a Russian description, and the same
// name first in the tooltip.
void TestCalcForm::spokenNames() {
    QFETCH(QString, name);
    CalcDriver calc;
    QWidget* key = calc.control(name);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(key);
    const QRegularExpression cyrillic(QStringLiteral("[а-яё]"));
    const QString said = spoken->text(QAccessible::Name);
    QVERIFY2(said.contains(cyrillic), qPrintable(said));
    QVERIFY(spoken->text(QAccessible::Description).contains(cyrillic));
    QVERIFY2(key->toolTip().startsWith(said), qPrintable(key->toolTip()));
}

void TestCalcForm::liveLineIsReadByItsText() {
    CalcDriver calc;
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(calc.control("Tec"));
    calc.press("5 +");
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Текущее действие: +"));
    // A label without a name of its own announces each new text.
    QVERIFY(calc.control("Tec")->accessibleName().isEmpty());
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
    for (const calc::Key& key : calc::keys()) {
        if (!key.press) {
            continue; // a command key leaves the calculator alone
        }
        const QString name = QString::fromLatin1(key.name);
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

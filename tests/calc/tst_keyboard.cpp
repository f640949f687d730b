#include "calcdriver.h"

#include <QClipboard>
#include <QMenuBar>
#include <QPushButton>

// Keys pressed while any control but the display has the focus run the calculator's key map,
// except those that work the focused control: Tab, the arrows and Space.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void keyMap_data();
    void keyMap();
    void clipboard_data();
    void clipboard();
    void sameMapOnEveryControl_data();
    void sameMapOnEveryControl();
    void displayEditsAsATextBox();
    void focusedKeyWorks_data();
    void focusedKeyWorks();
    void arrowsMoveWithinAGroup_data();
    void arrowsMoveWithinAGroup();
    void tabStillMovesFocus();
    void f10OpensTheMenuBar();

private:
    std::unique_ptr<CalcDriver> calc;
};

namespace {

// A key script: "n5" main-row digit, "k5" keypad digit, named keys otherwise.
void type(QWidget* target, const QString& script) {
    const auto tokens = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const QChar head = token.at(0);
        if (token.size() == 2 && (head == QLatin1Char('n') || head == QLatin1Char('k')) &&
            token.at(1).isDigit()) {
            const auto key = Qt::Key(Qt::Key_0 + token.at(1).digitValue());
            QTest::keyClick(target, key,
                            head == QLatin1Char('k') ? Qt::KeypadModifier : Qt::NoModifier);
            continue;
        }
        static const QHash<QString, QPair<int, Qt::KeyboardModifiers>> keys{
            {"k+", {Qt::Key_Plus, Qt::KeypadModifier}},
            {"k-", {Qt::Key_Minus, Qt::KeypadModifier}},
            {"k*", {Qt::Key_Asterisk, Qt::KeypadModifier}},
            {"k/", {Qt::Key_Slash, Qt::KeypadModifier}},
            {"k.", {Qt::Key_Period, Qt::KeypadModifier}},
            {"k,", {Qt::Key_Comma, Qt::KeypadModifier}},
            {"kEnter", {Qt::Key_Enter, Qt::KeypadModifier}},
            {"Enter", {Qt::Key_Return, Qt::NoModifier}},
            {"Backspace", {Qt::Key_Backspace, Qt::NoModifier}},
            {"shift8", {Qt::Key_Asterisk, Qt::ShiftModifier}},
            {"C", {Qt::Key_C, Qt::NoModifier}},
            {"M", {Qt::Key_M, Qt::NoModifier}},
            {"R", {Qt::Key_R, Qt::NoModifier}},
            {"ruC", {0x0421, Qt::NoModifier}},
            {"ruM", {0x042C, Qt::NoModifier}},
            {"ruR", {0x041A, Qt::NoModifier}},
            {"A", {Qt::Key_A, Qt::NoModifier}},
            {",", {Qt::Key_Comma, Qt::NoModifier}},
            {"-", {Qt::Key_Minus, Qt::NoModifier}},
            {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
            {"Shift", {Qt::Key_Shift, Qt::ShiftModifier}},
            {"Ctrl", {Qt::Key_Control, Qt::ControlModifier}},
            {"Alt", {Qt::Key_Alt, Qt::AltModifier}},
            {"AltGr", {Qt::Key_AltGr, Qt::NoModifier}},
            {"Meta", {Qt::Key_Meta, Qt::MetaModifier}},
            {"CapsLock", {Qt::Key_CapsLock, Qt::NoModifier}},
            {"NumLock", {Qt::Key_NumLock, Qt::NoModifier}},
            {"ctrlA", {Qt::Key_A, Qt::ControlModifier}},
            {"ctrlC", {Qt::Key_C, Qt::ControlModifier}},
            {"ctrlV", {Qt::Key_V, Qt::ControlModifier}},
            {"shiftInsert", {Qt::Key_Insert, Qt::ShiftModifier}},
        };
        const auto key = keys.value(token, {0, Qt::NoModifier});
        if (key.first == 0) {
            qFatal("unknown key %s", qPrintable(token));
        }
        const bool cyrillic = key.first >= 0x0400 && key.first <= 0x04FF;
        const bool modifier = (key.first >= Qt::Key_Shift && key.first <= Qt::Key_ScrollLock) ||
                              key.first == Qt::Key_AltGr;
        if (cyrillic || modifier) {
            // QTest knows neither Cyrillic nor modifier keys; send the events a keyboard sends.
            const QString text = cyrillic ? QString(QChar(key.first)) : QString();
            QKeyEvent press(QEvent::KeyPress, key.first, key.second, text);
            QKeyEvent release(QEvent::KeyRelease, key.first, key.second, text);
            QCoreApplication::sendEvent(target, &press);
            QCoreApplication::sendEvent(target, &release);
            continue;
        }
        QTest::keyClick(target, Qt::Key(key.first), key.second);
    }
}

} // namespace

void TestKeyboard::init() {
    calc.reset(); // recorders nest: the old one goes first
    calc = std::make_unique<CalcDriver>();
    calc->window().show();
    QVERIFY(QTest::qWaitForWindowActive(&calc->window()));
}

void TestKeyboard::keyMap_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("slot1");
    QTest::addColumn<int>("messages");

    QTest::newRow("keypad sum") << "k1 k2 k+ n3 Enter"
                                << "15"
                                << "Слот #1" << 0;
    QTest::newRow("keypad enter") << "n6 k* n7 kEnter"
                                  << "42"
                                  << "Слот #1" << 0;
    QTest::newRow("keypad minus and divide") << "n9 k- n3 k/ n2 Enter"
                                             << "3"
                                             << "Слот #1" << 0;
    QTest::newRow("shifted digit") << "shift8"
                                   << "8"
                                   << "Слот #1" << 0;
    QTest::newRow("keypad point on zero") << "k. n5"
                                          << ",5"
                                          << "Слот #1" << 0;
    QTest::newRow("keypad comma after operator") << "n5 k+ k, n5 Enter"
                                                 << "5,5"
                                                 << "Слот #1" << 0;
    QTest::newRow("backspace") << "n1 n2 Backspace"
                               << "1"
                               << "Слот #1" << 0;
    QTest::newRow("letter empties zero") << "A"
                                         << ""
                                         << "Слот #1" << 0;
    QTest::newRow("letter then equals") << "A Enter"
                                        << ""
                                        << "Слот #1" << 1;
    QTest::newRow("letter after operator") << "n5 k+ A Enter"
                                           << ""
                                           << "Слот #1" << 1;
    QTest::newRow("main-row comma is no key") << "n1 , n5"
                                              << "15"
                                              << "Слот #1" << 0;
    QTest::newRow("main-row minus is no key") << "n1 - n5"
                                              << "15"
                                              << "Слот #1" << 0;
    QTest::newRow("Escape runs nul") << "n5 k+ Escape n3"
                                     << "3"
                                     << "Слот #1" << 0;
    QTest::newRow("C clears") << "n5 k+ n3 C Enter"
                              << "0"
                              << "Слот #1" << 0;
    QTest::newRow("M and R") << "n4 M C R"
                             << "4"
                             << "4" << 0;
    QTest::newRow("Russian С, Ь, К") << "n4 ruM ruC ruR"
                                     << "4"
                                     << "4" << 0;
    QTest::newRow("lone modifiers keep the result")
        << "n2 k+ n3 Enter Ctrl Shift Alt AltGr Meta CapsLock NumLock"
        << "5"
        << "Слот #1" << 0;
    QTest::newRow("Ctrl+letter is no key") << "n2 k+ n3 Enter ctrlA"
                                           << "5"
                                           << "Слот #1" << 0;
}

void TestKeyboard::keyMap() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, slot1);
    QFETCH(int, messages);
    type(calc->control("B5"), keys);
    QCOMPARE(calc->display(), display);
    QCOMPARE(calc->slot(1), slot1);
    QCOMPARE(calc->messages.shown.size(), messages);
}

void TestKeyboard::clipboard_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("after");

    QTest::newRow("Ctrl+C copies") << ""
                                   << "n2 k+ n3 Enter ctrlC"
                                   << "5"
                                   << "5";
    QTest::newRow("Ctrl+V takes the first line, trimmed") << " 12,5 \r\nabc"
                                                          << "ctrlV"
                                                          << "12,5"
                                                          << " 12,5 \r\nabc";
    QTest::newRow("Shift+Insert pastes a second operand") << "7"
                                                          << "n2 k+ shiftInsert Enter"
                                                          << "9"
                                                          << "7";
    QTest::newRow("pasted text is unchecked") << "abc"
                                              << "n5 ctrlV"
                                              << "abc"
                                              << "abc";
    const QString zeros(40000, QLatin1Char('0'));
    QTest::newRow("40 000 characters") << zeros << "ctrlV n5 k+ n1 Enter"
                                       << "1" << zeros;
}

void TestKeyboard::clipboard() {
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, after);
    QGuiApplication::clipboard()->setText(before);
    type(calc->control("B5"), keys);
    QCOMPARE(calc->display(), display);
    QCOMPARE(calc->window().engine().display(), calc->display());
    QCOMPARE(QGuiApplication::clipboard()->text(), after);
    QVERIFY(calc->messages.shown.isEmpty());
}

void TestKeyboard::sameMapOnEveryControl_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"plus", "p3", "Rad", "Clear", "Command7", "sin1", "OFF"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestKeyboard::sameMapOnEveryControl() {
    QFETCH(QString, name);
    QWidget* target =
        name == QLatin1String("OFF") ? calc->control("Command1") : calc->control(name);
    type(target, "n7 k+ n2 Enter");
    QCOMPARE(calc->display(), QStringLiteral("9"));
}

void TestKeyboard::displayEditsAsATextBox() {
    auto* display = calc->control<QLineEdit>("calc");
    display->setFocus();
    display->setCursorPosition(1);
    QTest::keyClicks(display, "12");
    QTest::keyClick(display, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(display, Qt::Key_5);
    QCOMPARE(display->text(), QStringLiteral("012,5"));
    QTest::keyClick(display, Qt::Key_Return);
    QCOMPARE(calc->operationLine(), QStringLiteral("Текущее действие: "));
    calc->press("+ 3 =");
    QCOMPARE(calc->display(), QStringLiteral("15,5"));
}

void TestKeyboard::focusedKeyWorks_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("display");
    QTest::newRow("Space presses +/-") << "5"
                                       << "Command3" << int(Qt::Key_Space) << "-5";
    QTest::newRow("Space presses sqr") << "9"
                                       << "sqr1" << int(Qt::Key_Space) << "3";
    QTest::newRow("Enter on + is =") << "2 + 3"
                                     << "plus" << int(Qt::Key_Return) << "5";
}

void TestKeyboard::focusedKeyWorks() {
    QFETCH(QString, before);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, display);
    calc->press(before);
    QWidget* target = calc->control(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(calc->display(), display);
}

void TestKeyboard::arrowsMoveWithinAGroup_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QList<int>>("arrows");
    QTest::addColumn<QString>("checked"); // the option checked and focused afterwards
    QTest::newRow("slots down") << "p1" << QList<int>{Qt::Key_Down, Qt::Key_Down} << "p3";
    QTest::newRow("slots up past the first") << "p2" << QList<int>{Qt::Key_Up, Qt::Key_Up} << "p1";
    QTest::newRow("units there and back")
        << "Grad" << QList<int>{Qt::Key_Left, Qt::Key_Right} << "Grad";
    QTest::newRow("units across") << "Grad" << QList<int>{Qt::Key_Up, Qt::Key_Down} << "Grad";
    QTest::newRow("keys") << "B5" << QList<int>{Qt::Key_Up, Qt::Key_Left, Qt::Key_Down} << "";
}

void TestKeyboard::arrowsMoveWithinAGroup() {
    QFETCH(QString, focus);
    QFETCH(QList<int>, arrows);
    QFETCH(QString, checked);
    calc->press("5 + 3 =");
    calc->control(focus)->setFocus();
    for (const int arrow : arrows) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(arrow));
    }
    QCOMPARE(calc->display(), QStringLiteral("8"));
    if (!checked.isEmpty()) {
        QCOMPARE(QApplication::focusWidget(), calc->control(checked));
        QVERIFY(calc->control<QRadioButton>(checked)->isChecked());
    }
    calc->press("+ 1 =");
    QCOMPARE(calc->display(), QStringLiteral("9"));
}

void TestKeyboard::tabStillMovesFocus() {
    auto* start = calc->control<QPushButton>("plus");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != start);
    QCOMPARE(calc->display(), QStringLiteral("0"));
    // Into the unit group at the unit chosen.
    calc->control("calc")->setFocus();
    QTest::keyClick(calc->control("calc"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), calc->control("Grad"));
}

void TestKeyboard::f10OpensTheMenuBar() {
    QTest::keyClick(calc->control("ravno"), Qt::Key_F10);
    QMenuBar* bar = calc->window().menuBar();
    QCOMPARE(bar->activeAction(), bar->actions().value(0));
    QCOMPARE(calc->display(), QStringLiteral("0"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

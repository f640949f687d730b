#include "about/aform.h"
#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"
#include "support/formdriver.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>

// What every tool window shares: a fixed dialog border without minimize and maximize boxes,
// no taskbar entry, the middle of the screen, Tab walking its controls in reading order, every
// key described, and the keyboard, also with a message box.
class TestToolWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { formdriver::discardWindows(); }
    void style_data();
    void style();
    void keys_data();
    void keys();
    void focusComesBackAfterMessage();
    void keypadDecimalKey_data();
    void keypadDecimalKey();
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
    QTest::newRow("AForm") << opener<about::AForm>()
                           << QStringList{"Command1", "Label4", "Label5",
                                          "Label12",  "Label6", "LabelAdr"};
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

    const auto keys = window.findChildren<QPushButton*>();
    for (const QPushButton* key : keys) {
        QVERIFY2(!key->accessibleDescription().isEmpty(), qPrintable(key->objectName()));
    }
}

void TestToolWindows::keys_data() {
    // Enter on `focus` presses `pressed` (none when empty), which is the window's default key
    // `main`; then `hide` hides the window.
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("main");
    QTest::addColumn<int>("hide");
    const auto row = [](const char* name, const Opener& open, const char* focus,
                        const char* pressed, const char* main, Qt::Key hide) {
        QTest::newRow(name) << open << QString(focus) << QString(pressed) << QString(main)
                            << int(hide);
    };
    const Qt::Key esc = Qt::Key_Escape;
    row("chooser: option", opener<equations::GForm>(), "Option2", "Command1", "Command1", esc);
    row("linear: box, F12", opener<equations::LINURForm>(), "b", "Command2", "Command2",
        Qt::Key_F12);
    row("quadratic: option, F12", opener<equations::KVURForm>(), "Option2", "Command1", "Command1",
        Qt::Key_F12);
    row("triangle: result box", opener<geometry::TreugForm>(), "RsAC", "Per", "Per", esc);
    row("vector: no main key", opener<geometry::VectorForm>(), "tx1", "", "", esc);
    row("fractions: focused key", opener<fractions::DrobForm>(), "umn", "umn", "", esc);
    row("about: Ok", opener<about::AForm>(), "Command1", "Command1", "Command1", esc);
}

void TestToolWindows::keys() {
    QFETCH(Opener, open);
    QFETCH(QString, focus);
    QFETCH(QString, pressed);
    QFETCH(QString, main);
    QFETCH(int, hide);
    MessageRecorder messages;
    QWidget& window = open();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList clicked;
    QStringList defaults;
    const auto keys = window.findChildren<QPushButton*>();
    for (QPushButton* key : keys) {
        connect(key, &QPushButton::clicked, &window,
                [&clicked, key] { clicked << key->objectName(); });
        if (QAccessible::queryAccessibleInterface(key)->state().defaultButton) {
            defaults << key->objectName();
        }
    }
    QCOMPARE(defaults, main.isEmpty() ? QStringList() : QStringList{main});
    QWidget* control = window.findChild<QWidget*>(focus);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QCOMPARE(clicked, pressed.isEmpty() ? QStringList() : QStringList{pressed});

    QWidget& again = open();
    QVERIFY(QTest::qWaitForWindowActive(&again));
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(hide));
    QVERIFY(!again.isVisible());
}

// The window manager may activate another window when a message box goes (openbox picks the
// calculator); the window that showed the box takes the focus back.
void TestToolWindows::focusComesBackAfterMessage() {
    QWidget& other = common::showWindow<equations::GForm>();
    QWidget& solver = common::showWindow<equations::LINURForm>();
    QVERIFY(QTest::qWaitForWindowActive(&solver));
    QLineEdit* b = formdriver::box(solver, "b");
    b->setFocus();

    QTimer::singleShot(50, &other, [&other] {
        QApplication::activeModalWidget()->close();
        other.activateWindow();
    });
    common::showMessage(QStringLiteral("Цифроид 2 уравнение"), QStringLiteral("Корней нет"));

    QTRY_COMPARE(QApplication::activeWindow(), &solver);
    QCOMPARE(QApplication::focusWidget(), b);
}

void TestToolWindows::keypadDecimalKey_data() {
    // What the key types into an empty box: X11 and Wayland may leave out Qt's keypad flag,
    // and then the keysym tells the keypad (0xffae, KP_Decimal).
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<QString>("typed");
    QTest::newRow("keypad flag") << int(Qt::KeypadModifier) << quint32(0) << ",";
    QTest::newRow("keypad keysym alone") << int(Qt::NoModifier) << quint32(0xffae) << ",";
    QTest::newRow("main row point") << int(Qt::NoModifier) << quint32(0x2e) << ".";
}

void TestToolWindows::keypadDecimalKey() {
    QFETCH(int, modifiers);
    QFETCH(quint32, keysym);
    QFETCH(QString, typed);
    QLineEdit* box = formdriver::box(common::showWindow<fractions::DrobForm>(), "cl1");
    box->clear();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::KeyboardModifiers(modifiers), 0, keysym,
                    0, QStringLiteral("."));
    QApplication::sendEvent(box, &press);
    QCOMPARE(box->text(), typed);
}

QTEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"

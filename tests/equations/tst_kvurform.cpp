#include "equations/kvurform.h"

#include "common/windowregistry.h"
#include "common/words.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using equations::KVURForm;

using formdriver::box;
using formdriver::texts;

namespace {

const QStringList kInitialRoots{"Корень#1", "Корень#2", "Корень#3", "Корень#4"};
const QString kZeroLeading =
    QStringLiteral("Коофициент при переменной X^2 не должен равняться нулю.");
const QString kNoRealRoots = QStringLiteral("В данном уравнении нет корней.");

// Chooses the kind, types the coefficients and presses "Решить >>".
void solve(QWidget& form, bool biquadratic, const QStringList& typed) {
    form.findChild<QRadioButton*>(biquadratic ? "Option2" : "Option1")->setChecked(true);
    formdriver::setTexts(form, {"a", "b", "c"}, typed);
    formdriver::press(form, "Command1");
}

} // namespace

class TestKvurForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void solve_data();
    void solve();
    void earlierRootsStayAfterAKindSwitch();
    void noRootsMessageComesBeforeTheBoxes();
    void closeKeyHidesTitleBarDiscards();
};

void TestKvurForm::cleanup() {
    formdriver::discardWindows();
}

void TestKvurForm::solve_data() {
    QTest::addColumn<bool>("biquadratic");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("coefficients"); // a, b, c afterwards
    QTest::addColumn<QStringList>("roots");        // k1..k4 afterwards
    QTest::addColumn<QStringList>("messages");
    using L = QStringList;
    const L none;
    const L initial = kInitialRoots;

    QTest::newRow("empty a: refused, nothing filled")
        << false << L{"", "", ""} << L{"", "", ""} << initial << L{kZeroLeading};
    QTest::newRow("a typed as 0") << false << L{"0", "", ""} << L{"0", "", ""} << initial
                                  << L{kZeroLeading};
    QTest::newRow("a zero after the check")
        << true << L{"0,0", "", ""} << L{"0,0", "", ""} << initial << L{kZeroLeading};
    QTest::newRow("a not a number")
        << false << L{"x", "", ""} << L{"x", "", ""} << initial << L{common::words::kNotNumber};
    QTest::newRow("b filled, bad c")
        << false << L{"1", "", "x"} << L{"1", "0", "x"} << initial << L{common::words::kNotNumber};
    QTest::newRow("b and c filled, one root")
        << false << L{"1", "", ""} << L{"1", "0", "0"}
        << L{"0", "Один корень(т.к. D=0).", "Корень#3", "Корень#4"} << none;
    QTest::newRow("quadratic: two roots") << false << L{"1", "-3", "2"} << L{"1", "-3", "2"}
                                          << L{"2", "1", "Корень#3", "Корень#4"} << none;
    QTest::newRow("quadratic: D zero typed with decimals")
        << false << L{"1", "-1,4", "0,49"} << L{"1", "-1,4", "0,49"}
        << L{"0,7", "Один корень(т.к. D=0).", "Корень#3", "Корень#4"} << none;
    QTest::newRow("quadratic: no roots in two boxes")
        << false << L{"1", "0", "1"} << L{"1", "0", "1"}
        << L{"Корней нет.", "Корней нет.", "Корень#3", "Корень#4"} << L{kNoRealRoots};
    QTest::newRow("biquadratic: no roots in four boxes")
        << true << L{"1", "0", "4"} << L{"1", "0", "4"} << L(4, "Корней нет.") << L{kNoRealRoots};
    QTest::newRow("biquadratic: roots 1 and 0")
        << true << L{"1", "-1", "0"} << L{"1", "-1", "0"} << L{"1", "0", "-1", "0"} << none;
    QTest::newRow("biquadratic: roots 0 and 1")
        << true << L{"-1", "1", "0"} << L{"-1", "1", "0"} << L{"0", "1", "0", "-1"} << none;
    QTest::newRow("quadratic: small root without cancellation")
        << false << L{"1", "1E8", "1"} << L{"1", "1E8", "1"}
        << L{"-1E-08", "-100000000", "Корень#3", "Корень#4"} << none;
    QTest::newRow("overflow changes no root box")
        << false << L{"1E-300", "1E300", "1"} << L{"1E-300", "1E300", "1"} << initial
        << L{"Переполнение!"};
}

void TestKvurForm::solve() {
    QFETCH(bool, biquadratic);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, coefficients);
    QFETCH(QStringList, roots);
    QFETCH(QStringList, messages);

    KVURForm& form = common::showWindow<KVURForm>();
    form.findChild<QRadioButton*>(biquadratic ? "Option2" : "Option1")->setChecked(true);
    const auto row = formdriver::pressWith(form, {"a", "b", "c"}, typed, "Command1",
                                           {"a", "b", "c", "k1", "k2", "k3", "k4"},
                                           QStringLiteral("Цифроид 2 уравнение"));
    QCOMPARE(row.texts, coefficients + roots);
    QCOMPARE(row.messages, messages);
    QVERIFY(row.underTitle);
}

void TestKvurForm::earlierRootsStayAfterAKindSwitch() {
    KVURForm& form = common::showWindow<KVURForm>();
    ::solve(form, true, {"1", "-5", "4"});
    ::solve(form, false, {"1", "-3", "2"});
    QCOMPARE(texts(form, {"k1", "k2", "k3", "k4"}), (QStringList{"2", "1", "-2", "-1"}));
}

void TestKvurForm::noRootsMessageComesBeforeTheBoxes() {
    KVURForm& form = common::showWindow<KVURForm>();
    QString firstRootWhenShown;
    MessageRecorder recorder; // puts the real routine back afterwards
    common::setMessageHandler(
        [&](const QString&, const QString&) { firstRootWhenShown = box(form, "k1")->text(); });
    ::solve(form, false, {"1", "0", "1"});
    QCOMPARE(firstRootWhenShown, QStringLiteral("Корень#1"));
    QCOMPARE(box(form, "k1")->text(), QStringLiteral("Корней нет."));
}

void TestKvurForm::closeKeyHidesTitleBarDiscards() {
    KVURForm* form = &common::showWindow<KVURForm>();
    ::solve(*form, true, {"1", "-5", "4"});
    formdriver::press(*form, "Command2");
    QVERIFY(!form->isVisible());
    QCOMPARE(&common::showWindow<KVURForm>(), form);
    QVERIFY(form->findChild<QRadioButton*>("Option2")->isChecked());
    QCOMPARE(texts(*form, {"a", "k4"}), (QStringList{"1", "-1"}));

    form->close();
    QCOMPARE(common::existingWindow<KVURForm>(), nullptr);
    KVURForm& fresh = common::showWindow<KVURForm>();
    QVERIFY(fresh.findChild<QRadioButton*>("Option1")->isChecked());
    QCOMPARE(texts(fresh, {"a", "b", "c"}), QStringList(3, QString()));
    QCOMPARE(texts(fresh, {"k1", "k2", "k3", "k4"}), kInitialRoots);
}

QTEST_MAIN(TestKvurForm)
#include "tst_kvurform.moc"

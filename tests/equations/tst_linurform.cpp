#include "equations/linurform.h"

#include "common/windowregistry.h"
#include "common/words.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using equations::LINURForm;

using formdriver::box;
using formdriver::press;

class TestLinurForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void solve_data();
    void solve();
    void noRootsMessageFollowsTheVerdict();
    void closeKeyHidesTitleBarDiscards();
};

void TestLinurForm::cleanup() {
    formdriver::discardWindows();
}

void TestLinurForm::solve_data() {
    // Typed a, b, c; the four boxes afterwards (a, b, c, k); the messages shown.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("messages");
    using L = QStringList;
    const L none;
    const L notNumber{common::words::kNotNumber};

    QTest::newRow("all empty: zeros and any number")
        << L{"", "", ""} << L{"0", "0", "0", "бесконечнечное множество"} << none;
    QTest::newRow("no roots, with message")
        << L{"0", "1", "2"} << L{"0", "1", "2", "корней нет"} << L{"Корней нет"};
    QTest::newRow("b and c equal as numbers")
        << L{"0", "2", "2,0"} << L{"0", "2", "2,0", "бесконечнечное множество"} << none;
    QTest::newRow("root") << L{"4", "", "1"} << L{"4", "0", "1", "0,25"} << none;
    QTest::newRow("bad a stops before filling b and c")
        << L{"x", "", ""} << L{"x", "", "", "Корень"} << notNumber;
    QTest::newRow("empty a filled, bad b stops before c")
        << L{"", "x", ""} << L{"0", "x", "", "Корень"} << notNumber;
    QTest::newRow("point is not a decimal separator")
        << L{"1", "2", "1.5"} << L{"1", "2", "1.5", "Корень"} << notNumber;
    QTest::newRow("overflow leaves the root box")
        << L{"1", "-1E308", "1E308"} << L{"1", "-1E308", "1E308", "Корень"} << L{"Переполнение!"};
    QTest::newRow("c - b beyond range, root not")
        << L{"2", "-1E308", "1E308"} << L{"2", "-1E308", "1E308", "1E+308"} << none;
}

void TestLinurForm::solve() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, after);
    QFETCH(QStringList, messages);

    const auto row =
        formdriver::pressWith(common::showWindow<LINURForm>(), {"a", "b", "c"}, typed, "Command2",
                              {"a", "b", "c", "k"}, QStringLiteral("Цифроид 2 уравнение"));
    QCOMPARE(row.texts, after);
    QCOMPARE(row.messages, messages);
    QVERIFY(row.underTitle);
}

void TestLinurForm::noRootsMessageFollowsTheVerdict() {
    LINURForm& form = common::showWindow<LINURForm>();
    box(form, "a")->setText("0");
    box(form, "b")->setText("1");
    box(form, "c")->setText("2");
    QString rootWhenShown;
    MessageRecorder recorder; // puts the real routine back afterwards
    common::setMessageHandler(
        [&](const QString&, const QString&) { rootWhenShown = box(form, "k")->text(); });
    press(form, "Command2");
    QCOMPARE(rootWhenShown, QStringLiteral("корней нет"));
}

void TestLinurForm::closeKeyHidesTitleBarDiscards() {
    LINURForm* form = &common::showWindow<LINURForm>();
    box(*form, "a")->setText("2");
    box(*form, "k")->setText("7");
    press(*form, "Command1");
    QVERIFY(!form->isVisible());
    QCOMPARE(&common::showWindow<LINURForm>(), form);
    QCOMPARE(box(*form, "a")->text(), QStringLiteral("2"));
    QCOMPARE(box(*form, "k")->text(), QStringLiteral("7"));

    form->close();
    QCOMPARE(common::existingWindow<LINURForm>(), nullptr);
    LINURForm& fresh = common::showWindow<LINURForm>();
    QVERIFY(fresh.isVisible());
    QCOMPARE(box(fresh, "a")->text(), QString());
    QCOMPARE(box(fresh, "k")->text(), QStringLiteral("Корень"));
}

QTEST_MAIN(TestLinurForm)
#include "tst_linurform.moc"

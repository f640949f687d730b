#include "common/numtext.h"
#include "common/words.h"
#include "fractions/fraction.h"

#include <QtTest>

using fractions::Operation;

class TestFraction : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
};

void TestFraction::calculate_data() {
    // a/b with c/d; the texts for icl, izn and itdsv, or the message instead.
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QList<double>>("abcd");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("message");
    using L = QList<double>;
    using S = QStringList;
    const auto add = Operation::Add;
    const auto sub = Operation::Subtract;
    const auto mul = Operation::Multiply;
    const auto div = Operation::Divide;
    const QString none;

    QTest::newRow("equal denominators keep b")
        << add << L{1, 4, 1, 4} << S{"1", "2", "0,5"} << none;
    QTest::newRow("unequal denominators go over b*d")
        << add << L{1, 2, 1, 3} << S{"5", "6", "0,833333333333333"} << none;
    QTest::newRow("b and -b are not equal") << add << L{1, 2, 1, -2} << S{"0", "-1", "0"} << none;
    QTest::newRow("subtract, equal") << sub << L{1, 3, 1, 3} << S{"0", "1", "0"} << none;
    QTest::newRow("subtract, unequal")
        << sub << L{1, 2, 1, 3} << S{"1", "6", "0,166666666666667"} << none;
    QTest::newRow("multiply") << mul << L{2, 3, 3, 4} << S{"1", "2", "0,5"} << none;
    QTest::newRow("divide") << div << L{1, 2, 3, 4} << S{"2", "3", "0,666666666666667"} << none;
    QTest::newRow("repeated factor: 4/8") << mul << L{4, 8, 1, 1} << S{"1", "2", "0,5"} << none;
    QTest::newRow("factor above 100: 202/404")
        << mul << L{202, 404, 1, 1} << S{"1", "2", "0,5"} << none;
    QTest::newRow("minus stays in the denominator")
        << mul << L{4, 1, 1, -8} << S{"1", "-2", "-0,5"} << none;
    QTest::newRow("part not whole: nothing divided")
        << mul << L{1.5, 2, 1, 2} << S{"1,5", "4", "0,375"} << none;
    QTest::newRow("2^53 is whole") << mul << L{9007199254740992.0, 2, 1, 1}
                                   << S{"4,5035996273705E+15", "1", "4,5035996273705E+15"} << none;
    QTest::newRow("beyond 2^53 nothing reduced")
        << mul << L{18014398509481984.0, 2, 1, 1}
        << S{"1,8014398509482E+16", "2", "9,00719925474099E+15"} << none;
    QTest::newRow("no 32-bit limit")
        << mul << L{50000, 1, 50000, 1} << S{"2500000000", "1", "2500000000"} << none;
    QTest::newRow("divide by a zero numerator")
        << div << L{1, 2, 0, 3} << S{} << "На ноль делить нельзя!";
    QTest::newRow("numerator overflow") << mul << L{1E300, 1, 1E300, 1} << S{} << "Переполнение!";
    QTest::newRow("denominator overflow") << mul << L{1, 1E300, 1, 1E300} << S{} << "Переполнение!";
    QTest::newRow("denominator underflows to zero")
        << mul << L{1, 1E-200, 1, 1E-200} << S{} << "Переполнение!";
}

void TestFraction::calculate() {
    QFETCH(Operation, operation);
    QFETCH(QList<double>, abcd);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);

    const fractions::Result result =
        fractions::calculate(operation, {abcd[0], abcd[1]}, {abcd[2], abcd[3]});
    QCOMPARE(common::words::faultMessage(result.fault), message);
    if (result.ok()) {
        const auto text = common::formatNumber;
        QCOMPARE((QStringList{text(result.fraction.numerator), text(result.fraction.denominator),
                              text(result.decimal)}),
                 shown);
    }
}

QTEST_APPLESS_MAIN(TestFraction)
#include "tst_fraction.moc"

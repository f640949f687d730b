#include "common/numtext.h"
#include "common/words.h"
#include "fractions/fraction.h"

#include <QtTest>

using fractions::Operation;

namespace {

// A fraction exactly as typed.
fractions::Fraction typed(const QString& numerator, const QString& denominator) {
    return {*common::parseNumber(numerator), *common::parseNumber(denominator)};
}

} // namespace

class TestFraction : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
};

void TestFraction::calculate_data() {
    // a/b with c/d; the texts for icl, izn and itdsv, or the message instead.
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QStringList>("abcd"); // as typed
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("message");
    using L = QStringList;
    using S = QStringList;
    const auto add = Operation::Add;
    const auto sub = Operation::Subtract;
    const auto mul = Operation::Multiply;
    const auto div = Operation::Divide;
    const QString none;

    QTest::newRow("equal denominators keep b")
        << add << L{"1", "4", "1", "4"} << S{"1", "2", "0,5"} << none;
    QTest::newRow("unequal denominators go over b*d")
        << add << L{"1", "2", "1", "3"} << S{"5", "6", "0,833333333333333"} << none;
    QTest::newRow("b and -b are not equal")
        << add << L{"1", "2", "1", "-2"} << S{"0", "-1", "0"} << none;
    QTest::newRow("subtract, equal") << sub << L{"1", "3", "1", "3"} << S{"0", "1", "0"} << none;
    QTest::newRow("subtract, unequal")
        << sub << L{"1", "2", "1", "3"} << S{"1", "6", "0,166666666666667"} << none;
    QTest::newRow("multiply") << mul << L{"2", "3", "3", "4"} << S{"1", "2", "0,5"} << none;
    QTest::newRow("divide") << div << L{"1", "2", "3", "4"} << S{"2", "3", "0,666666666666667"}
                            << none;
    QTest::newRow("repeated factor: 4/8")
        << mul << L{"4", "8", "1", "1"} << S{"1", "2", "0,5"} << none;
    QTest::newRow("factor above 100: 202/404")
        << mul << L{"202", "404", "1", "1"} << S{"1", "2", "0,5"} << none;
    QTest::newRow("minus stays in the denominator")
        << mul << L{"4", "1", "1", "-8"} << S{"1", "-2", "-0,5"} << none;
    QTest::newRow("part not whole: nothing divided")
        << mul << L{"1,5", "2", "1", "2"} << S{"1,5", "4", "0,375"} << none;
    QTest::newRow("whole parts beyond 2^53 reduced")
        << mul << L{"9007199254740993", "18014398509481986", "1", "1"} << S{"1", "2", "0,5"}
        << none;
    QTest::newRow("reduced at any size")
        << mul << L{"1E200", "1E200", "1E200", "1E200"} << S{"1", "1", "1"} << none;
    QTest::newRow("products of 17 digits reduced")
        << mul << L{"94906266", "94906267", "94906267", "94906266"} << S{"1", "1", "1"} << none;
    QTest::newRow("15-digit whole part") << mul << L{"999999999999999", "1", "1", "1"}
                                         << S{"999999999999999", "1", "999999999999999"} << none;
    QTest::newRow("16-digit whole part: 2^53")
        << mul << L{"18014398509481984", "2", "1", "1"} << S{} << "Переполнение!";
    QTest::newRow("neighbours of 2^27: a 17-digit denominator")
        << sub << L{"134217729", "134217728", "134217728", "134217727"} << S{} << "Переполнение!";
    QTest::newRow("neighbours of 2^31: a 19-digit denominator")
        << sub << L{"2147483647", "2147483648", "2147483648", "2147483647"} << S{}
        << "Переполнение!";
    QTest::newRow("no 32-bit limit")
        << mul << L{"50000", "1", "50000", "1"} << S{"2500000000", "1", "2500000000"} << none;
    QTest::newRow("divide by a zero numerator")
        << div << L{"1", "2", "0", "3"} << S{} << "На ноль делить нельзя!";
    QTest::newRow("numerator overflow")
        << mul << L{"1E300", "1", "1E300", "1"} << S{} << "Переполнение!";
    QTest::newRow("denominator overflow")
        << mul << L{"1", "1E300", "1", "1E300"} << S{} << "Переполнение!";
    QTest::newRow("denominator underflows to zero")
        << mul << L{"1", "1E-200", "1", "1E-200"} << S{} << "Переполнение!";
}

void TestFraction::calculate() {
    QFETCH(Operation, operation);
    QFETCH(QStringList, abcd);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);

    const fractions::Result result =
        fractions::calculate(operation, typed(abcd[0], abcd[1]), typed(abcd[2], abcd[3]));
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

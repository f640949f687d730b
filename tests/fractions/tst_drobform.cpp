#include "fractions/drobform.h"

#include "common/windowregistry.h"
#include "common/words.h"
#include "support/formdriver.h"
#include "support/recorders.h"

#include <QtTest>

using fractions::DrobForm;

namespace {

const QStringList kInputs{"cl1", "zn1", "cl2", "zn2"};
const QStringList kResults{"icl", "izn", "itdsv"};

} // namespace

class TestDrobForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void press_data();
    void press();
};

void TestDrobForm::cleanup() {
    formdriver::discardWindows();
}

void TestDrobForm::press_data() {
    // An earlier press of "sloz" with `before` (none when empty), then `key` with `typed`
    // (cl1, zn1, cl2, zn2); the messages of that press and the result boxes afterwards.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("results");
    using L = QStringList;
    const L first{"1", "4", "1", "4"};
    const L firstResult{"1", "2", "0,5"};
    const L untouched{"", "", ""};
    const QString nan = common::words::kNotNumber;
    const QString zero = fractions::kZeroDenominator;

    QTest::newRow("all empty: three checks, zn2 unread")
        << L{} << "sloz" << L{"", "", "", ""} << L{nan, nan, nan} << untouched;
    QTest::newRow("zero zn1: zn2 unread")
        << L{} << "sloz" << L{"1", "0", "1", "x"} << L{zero} << untouched;
    QTest::newRow("kept zn1 is read: all four checked")
        << first << "umn" << L{"a", "b", "c", "d"} << L{nan, nan, nan, nan} << firstResult;
    QTest::newRow("zero zn2 keeps the result")
        << first << "vct" << L{"1", "2", "1", "0"} << L{zero} << firstResult;
    QTest::newRow("divide by zero numerator keeps the result")
        << first << "razdelit" << L{"1", "2", "0", "3"} << L{"На ноль делить нельзя!"}
        << firstResult;
    QTest::newRow("2 and 2,0 equal")
        << L{} << "sloz" << L{"1", "2", "1", "2,0"} << L{} << L{"1", "1", "1"};
}

void TestDrobForm::press() {
    QFETCH(QStringList, before);
    QFETCH(QString, key);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, results);

    DrobForm& form = common::showWindow<DrobForm>();
    const QString title = QStringLiteral("Цифроид 2 дробь");
    if (!before.isEmpty()) {
        formdriver::pressWith(form, kInputs, before, "sloz", {}, title);
    }
    const auto row = formdriver::pressWith(form, kInputs, typed, key, kResults, title);
    QCOMPARE(row.messages, messages);
    QVERIFY(row.underTitle);
    QCOMPARE(row.texts, results);
}

QTEST_MAIN(TestDrobForm)
#include "tst_drobform.moc"

#include "enginedriver.h"

// The five memory slots: "m+", "m-", "Mrc", "Clear" on the selected slot.
class TestMemory : public QObject {
    Q_OBJECT

private slots:
    void memorySlots_data();
    void memorySlots();
    void recallIsSecondOperand();
    void overflowKeepsTheSlot();
};

void TestMemory::memorySlots_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("captions"); // slots 1 to 5
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");

    const QStringList empty{"Слот #1", "Слот #2", "Слот #3", "Слот #4", "Слот #5"};
    const QStringList none;
    QTest::newRow("add to empty") << "5 m+"
                                  << QStringList{"5", "Слот #2", "Слот #3", "Слот #4", "Слот #5"}
                                  << "5" << none;
    QTest::newRow("add twice and recall")
        << "5 m+ C 3 m+ C Mrc" << QStringList{"8", "Слот #2", "Слот #3", "Слот #4", "Слот #5"}
        << "8" << none;
    QTest::newRow("subtract into slot 2")
        << "5 m+ p2 C 4 m-" << QStringList{"5", "-4", "Слот #3", "Слот #4", "Слот #5"} << "4"
        << none;
    QTest::newRow("subtract from a value")
        << "p5 10 m+ C 2,5 m-" << QStringList{"Слот #1", "Слот #2", "Слот #3", "Слот #4", "7,5"}
        << "2,5" << none;
    QTest::newRow("empty slot keeps the typed text")
        << "[007] m+" << QStringList{"007", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "007"
        << none;
    QTest::newRow("then the sum is formatted")
        << "[007] m+ C 3 m+" << QStringList{"10", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "3"
        << none;
    QTest::newRow("subtract into empty is formatted")
        << "[007] m-" << QStringList{"-7", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "007"
        << none;
    QTest::newRow("zero is a value")
        << "m+ 5 Mrc" << QStringList{"0", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "0"
        << none;
    QTest::newRow("recall empty slot") << "12 Mrc" << empty << "12" << none;
    QTest::newRow("clear empties the slot") << "8 m+ Clear C Mrc" << empty << "0" << none;
    QTest::newRow("clear leaves others")
        << "8 m+ p3 9 m+ Clear" << QStringList{"8", "Слот #2", "Слот #3", "Слот #4", "Слот #5"}
        << "89" << none;
    QTest::newRow("text is refused") << "[abc] m+ m-" << empty << "abc" << QStringList{kNaN, kNaN};
    QTest::newRow("clear with text") << "5 m+ [abc] Clear" << empty << "abc" << none;
    QTest::newRow("C keeps memory")
        << "5 m+ C" << QStringList{"5", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "0" << none;
    QTest::newRow("slot at the largest double")
        << "[1,7976931348623157E308] +/- +/- m+ [-1E308] m+"
        << QStringList{"7,97693134862316E+307", "Слот #2", "Слот #3", "Слот #4", "Слот #5"}
        << "-1E308" << none;
    QTest::newRow("a slot keeps what the program wrote exactly")
        << "1 / 3 = m+ C Mrc * 3 ="
        << QStringList{"0,333333333333333", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "1"
        << none;
    QTest::newRow("recalled digits append")
        << "5 m+ C Mrc 1" << QStringList{"5", "Слот #2", "Слот #3", "Слот #4", "Слот #5"} << "51"
        << none;
}

void TestMemory::memorySlots() {
    QFETCH(QString, script);
    QFETCH(QStringList, captions);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);

    EngineDriver calc;
    calc.press(script);
    QCOMPARE(calc.captions(), captions);
    QCOMPARE(calc.engine.display(), display);
    QCOMPARE(calc.host.messages, messages);
}

void TestMemory::recallIsSecondOperand() {
    EngineDriver calc;
    calc.press("3 m+ C 5 + Mrc =");
    QCOMPARE(calc.engine.display(), QStringLiteral("8"));
}

void TestMemory::overflowKeepsTheSlot() {
    EngineDriver calc;
    calc.press("[1E308] m+ m+");
    QCOMPARE(calc.engine.slotCaption(0), QStringLiteral("1E308"));
    QCOMPARE(calc.host.messages, QStringList{kOverflow});
    calc.press("[-1E308] m-");
    QCOMPARE(calc.engine.slotCaption(0), QStringLiteral("1E308"));
    QCOMPARE(calc.host.messages.size(), 2);
}

QTEST_APPLESS_MAIN(TestMemory)
#include "tst_memory.moc"

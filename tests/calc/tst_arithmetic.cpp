#include "enginedriver.h"

// Number entry and left-to-right arithmetic with one pending operation, through the keys.
class TestArithmetic : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void failedCheckKeepsPendingOperation();
    void operandsAreNumbersNotTexts();
};

void TestArithmetic::keys_data() {
    addScriptColumns();

    const QStringList none;
    // entry
    QTest::newRow("digits and comma") << "12,5"
                                      << "12,5" << kTec << none;
    QTest::newRow("zero stays zero") << "0"
                                     << "0" << kTec << none;
    QTest::newRow("double zero on zero") << "0 00 5"
                                         << "005" << kTec << none;
    QTest::newRow("comma keeps the zero") << ", 5"
                                          << "0,5" << kTec << none;
    QTest::newRow("second comma appended") << "1,5,"
                                           << "1,5," << kTec << none;
    QTest::newRow("comma after operator is lost") << "5 + , 3"
                                                  << "3" << kTec + "+" << none;
    QTest::newRow("bk to zero") << "5 bk"
                                << "0" << kTec << none;
    QTest::newRow("bk on zero") << "bk"
                                << "0" << kTec << none;
    QTest::newRow("bk drops comma") << "12, bk"
                                    << "12" << kTec << none;
    QTest::newRow("bk leaves a lone sign") << "[-5] bk"
                                           << "-" << kTec << none;
    QTest::newRow("sign of leading zeros") << "007 +/-"
                                           << "-7" << kTec << none;
    QTest::newRow("sign rewrites the number") << "[-0,50] +/-"
                                              << "0,5" << kTec << none;
    QTest::newRow("sign of exponent text") << "[1E3] +/-"
                                           << "-1000" << kTec << none;
    QTest::newRow("sign of zero") << "+/-"
                                  << "0" << kTec << none;
    QTest::newRow("sign of text") << "[abc] +/-"
                                  << "abc" << kTec << QStringList{kNaN};
    QTest::newRow("sign as second operand") << "5 + +/- ="
                                            << "0" << kTec << none;
    QTest::newRow("C clears the operation") << "5 + 3 C"
                                            << "0" << kTec << none;
    QTest::newRow("equals after C does nothing") << "5 + 3 C ="
                                                 << "0" << kTec << none;
    QTest::newRow("digit after C appends") << "5 + 3 C 7"
                                           << "7" << kTec << none;

    // operators and equals
    QTest::newRow("sum") << "2 + 3 ="
                         << "5" << kTec << none;
    QTest::newRow("second equals repeats nothing") << "2 + 3 = ="
                                                   << "5" << kTec << none;
    QTest::newRow("left to right") << "2 + 3 * 4 ="
                                   << "20" << kTec << none;
    QTest::newRow("pending shown") << "2 + 3 *"
                                   << "5" << kTec + "*" << none;
    QTest::newRow("first operand twice") << "5 + ="
                                         << "10" << kTec << none;
    QTest::newRow("operator twice") << "5 + + ="
                                    << "20" << kTec << none;
    QTest::newRow("fractions") << "1,5 + 2,25 ="
                               << "3,75" << kTec << none;
    QTest::newRow("fifteen digits") << "1 / 3 ="
                                    << "0,333333333333333" << kTec << none;
    QTest::newRow("subtraction below zero") << "3 - 5 ="
                                            << "-2" << kTec << none;
    QTest::newRow("digit after result starts anew") << "2 + 3 = 7"
                                                    << "7" << kTec << none;
    QTest::newRow("tiny difference") << "0,3 - 0,1 ="
                                     << "0,2" << kTec << none;
    QTest::newRow("division by zero") << "7 / 0 ="
                                      << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("division by zero then operator") << "7 / 0 +"
                                                    << "0" << kTec + "+" << QStringList{kDiv0};
    QTest::newRow("after division by zero") << "7 / 0 + 5 ="
                                            << "5" << kTec << QStringList{kDiv0};
    QTest::newRow("division by zero point zero") << "7 / [0,0] ="
                                                 << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("equals on text") << "[abc] ="
                                    << "abc" << kTec << QStringList{kNaN};
    QTest::newRow("out of range text") << "[1E400] +"
                                       << "1E400" << kTec << QStringList{kNaN};
    QTest::newRow("underflow text is zero") << "[1E-400] + 2 ="
                                            << "2" << kTec << none;
    QTest::newRow("overflow on equals") << "[1E300] * [1E300] ="
                                        << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("overflow on next operator") << "[1E308] + [1E308] -"
                                               << "0" << kTec + "-" << QStringList{kOverflow};
    QTest::newRow("after overflow") << "[1E308] * 10 = 4 + 5 ="
                                    << "9" << kTec << QStringList{kOverflow};
    QTest::newRow("largest finite sum") << "[1E308] + [7E307] ="
                                        << "1,7E+308" << kTec << none;
    QTest::newRow("largest double reads back") << "[1,7976931348623157E308] +/- +/-"
                                               << "1,79769313486232E+308" << kTec << none;
    QTest::newRow("largest double as an operand") << "[1,79769313486232E+308] - [1E308] ="
                                                  << "7,9769313486232E+307" << kTec << none;

    // decimals are exact, and each result is rounded once, on paper's rule
    QTest::newRow("90 - 80,1") << "90 - 80,1 ="
                               << "9,9" << kTec << none;
    QTest::newRow("10,3 - 10") << "10,3 - 10 ="
                               << "0,3" << kTec << none;
    QTest::newRow("88,2 - 90,3") << "88,2 - 90,3 ="
                                 << "-2,1" << kTec << none;
    QTest::newRow("1000,01 - 1000") << "1000,01 - 1000 ="
                                    << "0,01" << kTec << none;
    QTest::newRow("tie rounds away from zero") << "1,000000000000005 + 0 ="
                                               << "1,00000000000001" << kTec << none;
    QTest::newRow("negative tie") << "[-1,000000000000005] + 0 ="
                                  << "-1,00000000000001" << kTec << none;
    QTest::newRow("a third times three") << "1 / 3 * 3 ="
                                         << "1" << kTec << none;
    QTest::newRow("the true pi behind its digits") << "pi - 3,14159265358979 ="
                                                   << "3,23846264338328E-15" << kTec << none;
    QTest::newRow("below the smallest double is 0") << "[1E-320] / [1E10] ="
                                                    << "0" << kTec << none;
    QTest::newRow("subnormal to 15 digits") << "[1E-310] / 3 ="
                                            << "3,33333333333333E-311" << kTec << none;

    // percent
    QTest::newRow("percent added") << "200 + 10 %"
                                   << "220" << kTec << none;
    QTest::newRow("percent subtracted") << "200 - 10 %"
                                        << "180" << kTec << none;
    QTest::newRow("percent of product") << "200 * 5 %"
                                        << "10" << kTec << none;
    QTest::newRow("percent as divisor") << "200 / 50 %"
                                        << "2" << kTec << none;
    QTest::newRow("digit after percent appends") << "200 + 10 % 5"
                                                 << "2205" << kTec << none;
    QTest::newRow("percent without operation") << "50 %"
                                               << "50" << kTec << none;
    QTest::newRow("percent divisor zero") << "200 / 0 %"
                                          << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("percent overflow") << "[1E308] * [1E300] %"
                                      << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("percent sum overflow") << "[1,7E308] + 10 %"
                                          << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("percent on text") << "200 + [x] %"
                                     << "x" << kTec + "+" << QStringList{kNaN};
}

void TestArithmetic::keys() {
    checkScriptRow();
}

void TestArithmetic::failedCheckKeepsPendingOperation() {
    EngineDriver calc;
    calc.press("5 + [abc] =");
    QCOMPARE(calc.host.messages, QStringList{kNaN});
    QCOMPARE(calc.engine.pending(), calc::Pending::Add);
    calc.press("[3] =");
    QCOMPARE(calc.engine.display(), QStringLiteral("8"));
}

void TestArithmetic::operandsAreNumbersNotTexts() {
    EngineDriver calc;
    calc.press("[007] + [3,] =");
    QCOMPARE(calc.engine.display(), QStringLiteral("10"));
    QVERIFY(calc.host.messages.isEmpty());
}

QTEST_APPLESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"

#include "enginedriver.h"

// The scientific keys: angle unit, trigonometry, inverse functions, one-argument keys,
// constants, and the two-step "x^y" and "sqr^y" finished by "=".
class TestScience : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void unitSwitch_data();
    void unitSwitch();
    void cubeStoresFirstOperand();
    void quadrants_data();
    void quadrants();
    void longChainStaysBounded();
};

void TestScience::keys_data() {
    addScriptColumns();
    const QStringList none;

    // trigonometry, degrees selected at start
    QTest::newRow("sin 30") << "30 sin"
                            << "0,5" << kTec << none;
    QTest::newRow("sin 90") << "90 sin"
                            << "1" << kTec << none;
    QTest::newRow("cos 0") << "0 cos"
                           << "1" << kTec << none;
    QTest::newRow("sin 126") << "126 sin"
                             << "0,809016994374947" << kTec << none;
    QTest::newRow("sin in radians near pi") << "Rad 3,14159265358979 sin"
                                            << "3,23846264338328E-15" << kTec << none;
    QTest::newRow("ctg 0") << "0 ctg"
                           << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("csc 0") << "[0,0] csc"
                           << "0,0" << kTec << QStringList{kDiv0};
    QTest::newRow("ctg 0 radians") << "Rad 0 ctg"
                                   << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("sin in radians") << "Rad 0 +/- sin"
                                    << "0" << kTec << none;
    QTest::newRow("1E308 degrees reduced exactly") << "[1E308] sin"
                                                   << "-0,984807753012208" << kTec << none;
    QTest::newRow("function drops the operation") << "2 + 30 sin ="
                                                  << "0,5" << kTec + "+" << none;
    QTest::newRow("digit appends to a result") << "30 sin 1"
                                               << "0,51" << kTec << none;
    QTest::newRow("trig of text") << "2 + [x] sin [3] ="
                                  << "3" << kTec + "+" << QStringList{kNaN};

    // one-argument keys
    QTest::newRow("square") << "3 +/- x^2"
                            << "9" << kTec << none;
    QTest::newRow("cube") << "2 +/- x^3"
                          << "-8" << kTec << none;
    QTest::newRow("root") << "2 sqr"
                          << "1,4142135623731" << kTec << none;
    QTest::newRow("root of negative") << "4 +/- sqr"
                                      << "-4" << kTec << QStringList{kBad};
    QTest::newRow("2^x") << "10 2^x"
                         << "1024" << kTec << none;
    QTest::newRow("cube by the power function") << "100,045 x^3"
                                                << "1001350,60759113" << kTec << none;
    QTest::newRow("10^x") << "3 10^x"
                          << "1000" << kTec << none;
    QTest::newRow("pi^x") << "2 pi^x"
                          << "9,86960440108936" << kTec << none;
    QTest::newRow("e^x and exp agree") << "46 e^x"
                                       << "9,49611942060245E+19" << kTec << none;
    QTest::newRow("square of a root") << "2 sqr x^2"
                                      << "2" << kTec << none;
    QTest::newRow("e^x") << "1 e^x"
                         << "2,71828182845905" << kTec << none;
    QTest::newRow("exp") << "1 exp"
                         << "2,71828182845905" << kTec << none;
    QTest::newRow("exp underflow") << "1000 +/- exp"
                                   << "0" << kTec << none;
    QTest::newRow("exp overflow") << "1000 exp"
                                  << "1000" << kTec << QStringList{kOverflow};
    QTest::newRow("10^x overflow") << "400 10^x"
                                   << "400" << kTec << QStringList{kOverflow};
    QTest::newRow("square overflow") << "[1E200] x^2"
                                     << "1E200" << kTec << QStringList{kOverflow};
    QTest::newRow("reciprocal overflow") << "[1E-310] 1/x"
                                         << "1E-310" << kTec << QStringList{kOverflow};
    QTest::newRow("int down") << "2,5 +/- int"
                              << "-3" << kTec << none;
    QTest::newRow("int") << "2,7 int"
                         << "2" << kTec << none;
    QTest::newRow("reciprocal") << "4 1/x"
                                << "0,25" << kTec << none;
    QTest::newRow("reciprocal of zero") << "1/x"
                                        << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("reciprocal of minus zero") << "[-0] 1/x"
                                              << "-0" << kTec << QStringList{kDiv0};
    QTest::newRow("ln 1") << "1 ln"
                          << "0" << kTec << none;
    QTest::newRow("ln 0") << "ln"
                          << "0" << kTec << QStringList{kBad};
    QTest::newRow("ln negative") << "1 +/- ln"
                                 << "-1" << kTec << QStringList{kBad};
    QTest::newRow("times ten") << "1,5 x*10"
                               << "15" << kTec << none;
    QTest::newRow("over ten") << "1,5 x/10"
                              << "0,15" << kTec << none;
    QTest::newRow("exp drops the operation") << "2 + 3 exp ="
                                             << "20,0855369231877" << kTec + "+" << none;
    QTest::newRow("failed key still drops it") << "2 + 0 1/x 5 ="
                                               << "5" << kTec + "+" << QStringList{kDiv0};

    // constants keep the pending operation
    QTest::newRow("e") << "e"
                       << "2,71828182845905" << kTec << none;
    QTest::newRow("pi") << "pi"
                        << "3,14159265358979" << kTec << none;
    QTest::newRow("plus pi") << "2 + pi ="
                             << "5,14159265358979" << kTec << none;

    // x^y
    QTest::newRow("power line") << "2 x^y"
                                << "2" << kPowerLine << none;
    QTest::newRow("power") << "2 x^y 10 ="
                           << "1024" << kTec << none;
    QTest::newRow("power replaces plus") << "2 + 3 x^y 2 ="
                                         << "9" << kTec << none;
    QTest::newRow("negative exponent") << "2 x^y 1 +/- ="
                                       << "0,5" << kTec << none;
    QTest::newRow("negative exponent as a reciprocal") << "1,2 x^y 2 +/- ="
                                                       << "0,694444444444444" << kTec << none;
    QTest::newRow("negative fractional exponent") << "0,5 x^y 0,5 +/- ="
                                                  << "1,4142135623731" << kTec << none;
    QTest::newRow("zero to zero") << "0 x^y 0 ="
                                  << "1" << kTec << none;
    QTest::newRow("negative base whole exponent") << "2 +/- x^y 3 ="
                                                  << "-8" << kTec << none;
    QTest::newRow("negative base fraction") << "8 +/- x^y 0,5 ="
                                            << "0" << kTec << QStringList{kBad};
    QTest::newRow("zero to negative") << "0 x^y 1 +/- ="
                                      << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("power overflow") << "10 x^y 400 ="
                                    << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("power underflow") << "10 x^y 400 +/- ="
                                     << "0" << kTec << none;
    QTest::newRow("reciprocal overflow") << "0,1 x^y 400 +/- ="
                                         << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("power finished by operator") << "2 x^y 3 -"
                                                << "8" << kTec + "-" << none;
    QTest::newRow("power message then clean") << "10 x^y 400 = 5 + 1 ="
                                              << "6" << kTec << QStringList{kOverflow};

    // sqr^y
    QTest::newRow("root line") << "9 sqr^y"
                               << "9" << kRootLine << none;
    QTest::newRow("square root of 9") << "9 sqr^y 2 ="
                                      << "3" << kTec << none;
    QTest::newRow("square root of 2") << "2 sqr^y 2 ="
                                      << "1,4142135623731" << kTec << none;
    QTest::newRow("cube root of 8") << "8 sqr^y 3 ="
                                    << "2" << kTec << none;
    QTest::newRow("cube root of 27") << "27 sqr^y 3 ="
                                     << "3" << kTec << none;
    QTest::newRow("cube root of 64") << "64 sqr^y 3 ="
                                     << "4" << kTec << none;
    QTest::newRow("odd root of negative") << "8 +/- sqr^y 3 ="
                                          << "-2" << kTec << none;
    QTest::newRow("negative degree") << "4 sqr^y 2 +/- ="
                                     << "0,5" << kTec << none;
    QTest::newRow("root of one") << "1 sqr^y 5 ="
                                 << "1" << kTec << none;
    QTest::newRow("fraction root") << "2,25 sqr^y 2 ="
                                   << "1,5" << kTec << none;
    QTest::newRow("even root of negative") << "4 +/- sqr^y 2 ="
                                           << "0" << kTec << QStringList{kBad};
    QTest::newRow("degree zero") << "4 sqr^y 0 ="
                                 << "0" << kTec << QStringList{kBad};
    QTest::newRow("root of zero") << "0 sqr^y 2 ="
                                  << "0" << kTec << none;
    QTest::newRow("zero, negative degree") << "0 sqr^y 2 +/- ="
                                           << "0" << kTec << QStringList{kDiv0};
    QTest::newRow("huge operand") << "[1E300] sqr^y 2 ="
                                  << "1E+150" << kTec << none;
    QTest::newRow("tiny degree") << "2 sqr^y [1E-5] ="
                                 << "0" << kTec << QStringList{kOverflow};
    QTest::newRow("root finished by operator") << "27 sqr^y 3 *"
                                               << "3" << kTec + "*" << none;

    // acos and asin give the principal angle
    QTest::newRow("acos 0,5") << "0,5 acos"
                              << "60" << kTec << none;
    QTest::newRow("acos 0") << "0 acos"
                            << "90" << kTec << none;
    QTest::newRow("acos -1") << "1 +/- acos"
                             << "180" << kTec << none;
    QTest::newRow("acos 1") << "1 acos"
                            << "0" << kTec << none;
    QTest::newRow("asin 1") << "1 asin"
                            << "90" << kTec << none;
    QTest::newRow("asin -0,5") << "0,5 +/- asin"
                               << "-30" << kTec << none;
    QTest::newRow("asin 0,3") << "0,3 asin"
                              << "17,4576031237221" << kTec << none;
    QTest::newRow("asin 0") << "asin"
                            << "0" << kTec << none;
    QTest::newRow("acos out of range") << "1,0000001 acos" << kNotFound << kTec << none;
    QTest::newRow("asin out of range") << "2 +/- asin" << kNotFound << kTec << none;
    QTest::newRow("acos in radians") << "Rad 0,5 acos"
                                     << "1,0471975511966" << kTec << none;
    QTest::newRow("acos keeps the operation") << "2 + 0,5 acos ="
                                              << "62" << kTec << none;
    QTest::newRow("acos of text") << "[x] acos"
                                  << "x" << kTec << QStringList{kNaN};
    QTest::newRow("function after not found")
        << "2 acos sin" << kNotFound << kTec << QStringList{kNaN};
}

void TestScience::keys() {
    checkScriptRow();
}

void TestScience::unitSwitch_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("gradMode");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;

    QTest::newRow("to radians") << "90 Rad"
                                << "1,5707963267949" << false << none;
    QTest::newRow("and back") << "90 Rad Grad"
                              << "90" << true << none;
    QTest::newRow("reselect degrees") << "90 Grad"
                                      << "90" << true << none;
    QTest::newRow("zero follows the button") << "Rad"
                                             << "0" << false << none;
    QTest::newRow("then converts") << "Rad 3,14159265358979 Grad"
                                   << "180" << true << none;
    QTest::newRow("empty follows the button") << "[] Rad 1 Grad"
                                              << "57,2957795130823" << true << none;
    QTest::newRow("zero written otherwise converts") << "[0,0] Rad"
                                                     << "0" << false << none;
    QTest::newRow("text keeps the unit") << "[Найти] Rad"
                                         << "Найти" << true << QStringList{kNaN};
    QTest::newRow("reselect after failure") << "[x] Rad Grad"
                                            << "x" << true << QStringList{kNaN};
    QTest::newRow("overflow keeps the unit") << "Rad [1E308] Grad"
                                             << "1E308" << false << QStringList{kOverflow};
    QTest::newRow("radians read by trig") << "Rad 3,14159265358979 2 / cos"
                                          << "-1" << false << none;
}

void TestScience::unitSwitch() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(bool, gradMode);
    QFETCH(QStringList, messages);

    EngineDriver calc;
    calc.press(script);
    QCOMPARE(calc.engine.display(), display);
    QCOMPARE(calc.engine.valueInDegrees(), gradMode);
    QCOMPARE(calc.host.messages, messages);
}

void TestScience::cubeStoresFirstOperand() {
    EngineDriver calc;
    calc.press("3 x^3");
    QVERIFY(calc.engine.operand() == common::Number(3));
    calc.press("=");
    QCOMPARE(calc.engine.display(), QStringLiteral("27"));
}

// Every multiple of 90 degrees, for all six functions: exact values, or a division by zero
// where the function is undefined.
void TestScience::quadrants_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("messages");
    // By quarter turns 0, 1, 2, 3: the value, or "" for a division by zero.
    const QList<QPair<QString, QStringList>> functions{
        {"sin", {"0", "1", "0", "-1"}}, {"cos", {"1", "0", "-1", "0"}},
        {"tg", {"0", "", "0", ""}},     {"ctg", {"", "0", "", "0"}},
        {"sc", {"1", "", "-1", ""}},    {"csc", {"", "1", "", "-1"}},
    };
    for (int angle = -360; angle <= 720; angle += 90) {
        const int quarter = ((angle / 90) % 4 + 4) % 4;
        const QString typed = QString::number(angle).replace(u'-', QString());
        const QString entry = angle < 0 ? typed + " +/-" : typed;
        for (const auto& [name, values] : functions) {
            const QString value = values[quarter];
            QTest::addRow("%s %d", qPrintable(name), angle)
                << entry + " " + name << (value.isEmpty() ? QString::number(angle) : value)
                << (value.isEmpty() ? QStringList{kDiv0} : QStringList{});
        }
    }
}

void TestScience::quadrants() {
    QFETCH(QString, script);
    QFETCH(QString, display);
    QFETCH(QStringList, messages);
    EngineDriver calc;
    calc.press(script);
    QCOMPARE(calc.engine.display(), display);
    QCOMPARE(calc.host.messages, messages);
}

// x² pressed 40 times on 1,1: exact while small, then approximate; past the range each press
// reports an overflow and the display keeps the last value shown.
void TestScience::longChainStaysBounded() {
    EngineDriver calc;
    calc.press("1,1");
    for (int press = 0; press < 40; ++press) {
        calc.press("x^2");
    }
    QCOMPARE(calc.engine.display(), QStringLiteral("3,50298605215213E+169"));
    QCOMPARE(calc.host.messages, QStringList(28, kOverflow));
}

QTEST_APPLESS_MAIN(TestScience)
#include "tst_science.moc"

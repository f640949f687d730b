#include "soakrun.h"

#include <QtTest>

// A seeded random run over every window of the suite. The seed and the number of events come
// from CIFROID_SOAK_SEED and CIFROID_SOAK_EVENTS (1 and 5 000 unless set); a failure names
// the seed and the event, so the same run plays it again.
class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomEventsKeepEveryWindowSound();
};

namespace {

quint64 fromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

} // namespace

void TestSoak::initTestCase() {
    SoakRun::quietRoutineWarnings();
}

void TestSoak::randomEventsKeepEveryWindowSound() {
    const quint64 seed = fromEnvironment("CIFROID_SOAK_SEED", 1);
    const auto events = static_cast<int>(fromEnvironment("CIFROID_SOAK_EVENTS", 5000));
    SoakRun run(seed);
    while (run.played() < events && run.step()) {
    }
    if (!run.failure().isEmpty()) {
        qInfo().noquote() << run.failure(); // longer than a failure line may be
        QFAIL(qPrintable(run.failure().section(QLatin1Char('\n'), 0, 0)));
    }
    qInfo().noquote() << run.summary();
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"

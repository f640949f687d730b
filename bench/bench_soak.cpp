// Plays the random-event run over every window and reports its speed.
//
//   build/dev/bench/bench_soak [events] [seed]      (100 000 and 1 unless given)

#include "soak/soakrun.h"

#include <QApplication>
#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SoakRun::quietRoutineWarnings();
    const QStringList args = QCoreApplication::arguments();
    const int events = args.size() > 1 ? args[1].toInt() : 100000;
    const quint64 seed = args.size() > 2 ? args[2].toULongLong() : 1;

    const auto begin = std::chrono::steady_clock::now();
    SoakRun run(seed);
    while (run.played() < events && run.step()) {
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;

    std::printf("%s\n%.1f s, %.0f events per second\n", qPrintable(run.summary()), took.count(),
                run.played() / took.count());
    if (!run.failure().isEmpty()) {
        std::printf("%s\n", qPrintable(run.failure()));
        return 1;
    }
    return 0;
}

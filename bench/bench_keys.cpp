// Times every key of the calculator window on a spread of inputs and prints the slowest.
// Each key must answer within 1 ms whatever the display holds.
//
//   build/dev/bench/bench_keys            (QT_QPA_PLATFORM=offscreen is set by itself)

#include "calc/calcform.h"
#include "calc/keytable.h"
#include "common/message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QStringList kInputs{
    "0",         "1",    "-1",    "0,5",    "-0,5",   "2",      "3",     "-8",
    "90",        "180",  "1E300", "-1E300", "1E-300", "1E-310", "1E308", "123456789,123",
    "1,0000001", "2,25", "64",    "1000",   "-1000",  "abc"};

constexpr int kRepeats = 15;

struct Timing {
    QString key;
    QString input;
    double micros;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    common::setMessageHandler([](const QString&, const QString&) {});

    calc::CalcForm form;
    auto* display = form.findChild<QLineEdit*>("calc");
    auto* equals = form.findChild<QAbstractButton*>("ravno");
    auto* clear = form.findChild<QAbstractButton*>("CE");

    std::vector<Timing> worst;
    for (const calc::Key& each : calc::keys()) {
        if (!each.press) {
            continue; // "OFF" and the tool keys leave the calculator
        }
        const QString name = QString::fromLatin1(each.name);
        auto* key = form.findChild<QAbstractButton*>(name);
        const bool twoStep = name == QLatin1String("xy") || name == QLatin1String("exp1");
        Timing slowest{name, {}, 0};
        for (const QString& x : kInputs) {
            // The two-step keys are timed where their work is: "=" with each exponent/degree.
            for (const QString& y : twoStep ? kInputs : QStringList{QString()}) {
                std::vector<double> samples;
                for (int i = 0; i < kRepeats; ++i) {
                    clear->click();
                    display->setText(x);
                    QAbstractButton* timed = key;
                    if (twoStep) {
                        key->click();
                        display->setText(y);
                        timed = equals;
                    }
                    const auto start = Clock::now();
                    timed->click();
                    samples.push_back(
                        std::chrono::duration<double, std::micro>(Clock::now() - start).count());
                }
                const double us = median(samples);
                if (us > slowest.micros) {
                    slowest = {name, twoStep ? x + " ; " + y : x, us};
                }
            }
        }
        worst.push_back(slowest);
    }

    std::sort(worst.begin(), worst.end(),
              [](const Timing& a, const Timing& b) { return a.micros > b.micros; });
    std::printf("%-10s %-28s %10s\n", "key", "slowest input", "median µs");
    for (const Timing& t : worst) {
        std::printf("%-10s %-28s %10.1f\n", qPrintable(t.key), qPrintable(t.input), t.micros);
    }
    const bool ok = worst.front().micros < 1000;
    std::printf("\nslowest key: %s at %.1f µs (%s the 1 ms target)\n",
                qPrintable(worst.front().key), worst.front().micros, ok ? "within" : "OVER");
    return ok ? 0 : 1;
}

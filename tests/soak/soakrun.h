#pragma once

#include "soakchecks.h"
#include "support/recorders.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <random>

class QWidget;

namespace calc {
class CalcForm;
}

// A seeded stream of random user events over every window of the suite: clicks on keys and
// option buttons and anywhere else, key presses, typed and pasted texts, menu items, closing
// and reopening windows, and the program's end and a new start. Message boxes, addresses and
// the program's end go to recorders, so nothing blocks or leaves the process. The same seed
// plays the same events.
class SoakRun {
public:
    // The test library and the offscreen platform say a line for many random events (a key
    // that no control takes, a window that cannot be raised or grab the keyboard); this leaves
    // those lines out.
    static void quietRoutineWarnings();

    explicit SoakRun(quint64 seed);
    ~SoakRun();
    SoakRun(const SoakRun&) = delete;
    SoakRun& operator=(const SoakRun&) = delete;

    // Plays one event and checks every window afterwards; false once a check has failed.
    bool step();

    int played() const { return played_; }
    // What broke, with the seed, the event's number and the events just before it.
    const QString& failure() const { return failure_; }
    // The seed, the events played and how many messages, addresses and ends they led to.
    QString summary() const;

private:
    int pick(int count);
    template <class T> const T& pickFrom(const QList<T>& list) {
        return list[pick(static_cast<int>(list.size()))];
    }
    QString pickText();

    void start();
    QList<QWidget*> visibleWindows() const;
    QWidget& someWindow();
    template <class T, class Usable> QList<T*> controlsOfSomeWindow(const Usable& usable);

    // Each event plays itself and says what it did.
    QString clickKey();
    QString clickAnywhere();
    QString pressKey();
    QString typeText();
    QString pasteText();
    QString triggerMenuItem();
    QString focusControl();
    QString openWindow();
    QString closeWindow();
    void rememberTyping(QWidget* target, bool paste);

    void check();
    void fail(const QString& what);

    quint64 seed_;
    std::mt19937_64 random_;
    std::unique_ptr<calc::CalcForm> calc_;
    MessageRecorder messages_;
    AddressRecorder addresses_;
    QuitRecorder quits_;
    soak::TypedTexts typed_;
    QStringList recent_;
    int played_ = 0;
    qsizetype freshWidgets_ = 0; // all widgets just after the first start
    struct {
        int messages = 0;
        int addresses = 0;
        int ends = 0;
    } tally_;
    QString failure_;
};

#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

namespace calc {

// The banner line under the calculator's keys: one of four texts moves in from the right, one
// character a tick, scrolls out to the left, and is followed by another text chosen at random,
// never the same one twice in a row. Only the rules live here; the window owns the timer.
class Banner {
public:
    static constexpr int kWidth = 82;     // characters of the line
    static constexpr int kTailTicks = 87; // ticks after the last character has entered
    static constexpr int kTexts = 4;
    static constexpr std::chrono::milliseconds kTick{100}; // one step of the line

    // The random source: `reseed` is called at every new banner, `next` answers [0, 1).
    struct Random {
        std::function<void()> reseed;
        std::function<float()> next;
    };

    explicit Banner(Random random = clockRandom());

    // Chooses a new banner and restarts the line with 82 blanks.
    void startNext();
    // One step of the ticker, every kTick.
    void tick();

    // The line as it stands: the text shifted to column(), its closing blank never entering.
    QString line() const;
    // The banner text now scrolling, and the column of the line its first character stands in:
    // kWidth while it has not entered, 0 at the left edge, below 0 once it has begun to leave.
    const QString& text() const { return bsText_; }
    int column() const { return kWidth + 1 - static_cast<int>(bsPos_); }
    // The number (1 to 4) of the banner now scrolling.
    int current() const { return bsLast_.value_or(0); }

    static const std::array<QString, kTexts>& texts();
    // The banner number for a draw r ∈ [0, 1): 3r + 1 in single precision, rounded half to
    // even, so 2 and 3 come up twice as often as 1 and 4.
    static int numberFor(float r);
    // A generator seeded from the clock at every reseed.
    static Random clockRandom();

private:
    Random random_;
    QString bsText_;
    qsizetype bsPos_ = 1;
    std::optional<int> bsLast_;
};

} // namespace calc

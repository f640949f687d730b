#include "trianglewords.h"

#include "common/numtext.h"
#include "common/words.h"

namespace geometry {

namespace {

QString typedFor(const QStringList& typed, Side side) {
    return typed.value(static_cast<qsizetype>(side));
}

QString messageOf(Check check, const QStringList& typed) {
    switch (check) {
    case Check::WholeDegrees:
    case Check::RightAngle:
        break;
    case Check::LegAC:
        return kHypotenuseAC + typedFor(typed, Side::AB) + typedFor(typed, Side::AC);
    case Check::LegBC:
        return kHypotenuseBC;
    }
    return kAngleSum;
}

QString textOf(const TriangleValue& value, Side side, const QStringList& typed) {
    switch (value.found) {
    case Found::NotFound:
        return kCannotFind;
    case Found::Given:
        if (side != Side::BC) {
            return typedFor(typed, side);
        }
        break;
    case Found::Computed:
        break;
    }
    return common::formatNumber(value.value);
}

} // namespace

TriangleAnswer triangleAnswer(const TriangleSolution& solution, const QStringList& typed) {
    TriangleAnswer answer;
    for (const Check check : solution.failed) {
        answer.messages << messageOf(check, typed);
    }
    if (solution.overflow) {
        answer.messages << common::words::kOverflow;
    }
    if (!answer.messages.isEmpty()) {
        return answer;
    }
    for (std::size_t i = 0; i < kTriangleValues; ++i) {
        const auto side = static_cast<Side>(i);
        answer.boxes << textOf(solution.at(side), side, typed);
    }
    return answer;
}

} // namespace geometry

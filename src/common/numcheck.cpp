#include "numcheck.h"

#include "numtext.h"
#include "words.h"

namespace common {

std::optional<double> checkedNumber(const QString& text, const Report& report) {
    auto value = parseNumber(text);
    if (!value) {
        report(words::kNotNumber);
    }
    return value;
}

int pr(const QString& text, const Report& report) {
    return checkedNumber(text, report) ? 1 : -1;
}

} // namespace common

#include "numcheck.h"

#include "numtext.h"
#include "words.h"

namespace common {

std::optional<Number> checkedNumber(const QString& text, const Report& report) {
    auto value = parseNumber(text);
    if (!value) {
        report(words::kNotNumber);
    }
    return value;
}

} // namespace common

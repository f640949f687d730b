#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace common {

// Shows one message in the calling window's message box (title chosen by the window).
using Report = std::function<void(const QString& text)>;

// The numeric check every window runs before it uses a box: answers 1 for a number,
// otherwise reports "Введены нечисловые данные" and answers -1. The text is never changed.
int pr(const QString& text, const Report& report);

// The same check, handing back the value it accepted.
std::optional<double> checkedNumber(const QString& text, const Report& report);

} // namespace common

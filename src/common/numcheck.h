#pragma once

#include "number.h"

#include <QString>
#include <functional>
#include <optional>

namespace common {

// Shows one message in the calling window's message box (title chosen by the window).
using Report = std::function<void(const QString& text)>;

// The numeric check every window runs before it uses a text: the value it reads, or nothing
// after reporting "Введены нечисловые данные". The text is never changed.
std::optional<Number> checkedNumber(const QString& text, const Report& report);

} // namespace common

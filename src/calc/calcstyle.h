#pragma once

#include "calclayout.h"

#include <QString>

namespace calc {

// The name a key carries in its "kind" property, for the style sheet.
QString keyKindName(KeyKind kind);

// The look of the calculator: a light case, an LCD-like display, keys coloured by kind.
QString calcStyleSheet();

} // namespace calc

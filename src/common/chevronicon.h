#pragma once

#include <QIcon>

namespace common {

// The "more" mark of a bar whose items do not all fit: two small chevrons pointing right (a
// horizontal bar) or down (a vertical one), drawn in the text colour when first shown.
// Drawing it spares the program reading picture files while its first window is being built.
QIcon chevronIcon(Qt::Orientation bar);

} // namespace common

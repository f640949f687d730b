#pragma once

#include <functional>

namespace common {

// Ends the whole program at once, every window with it. Tests put a recorder in its place.
void endProgram();

using QuitHandler = std::function<void()>;
QuitHandler setQuitHandler(QuitHandler handler);

} // namespace common

#pragma once

#include "calcengine.h"

#include <QString>
#include <functional>
#include <vector>

namespace calc {

// What each key of the window does: the key's objectName and the engine call it makes.
struct KeyAction {
    const char* name;
    std::function<void(CalcEngine&)> run;
};

const std::vector<KeyAction>& keyActions();

} // namespace calc

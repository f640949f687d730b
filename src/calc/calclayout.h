#pragma once

#include <QString>
#include <vector>

class QMainWindow;

namespace calc {

// How a key looks: keys of one kind share a colour.
enum class KeyKind { Digit, Operator, Equals, Edit, Off, Science, Memory, Tool };

// One key of the calculator: its name (the objectName), caption and place in its grid.
struct KeyDescription {
    const char* name;
    const char* caption;
    KeyKind kind;
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
};

const std::vector<KeyDescription>& keypadKeys();
const std::vector<KeyDescription>& scienceKeys();
const std::vector<KeyDescription>& memoryKeys();
const std::vector<KeyDescription>& toolKeys();

// Builds every control, frame and menu of the main window.
void buildCalcLayout(QMainWindow& window);

} // namespace calc

#pragma once

class QApplication;
class QIcon;
class QPalette;
class QStyle;
class QWidget;

// One look for every window of the suite: a light grey case, rounded keys coloured by what they
// do and an LCD-like display, set once for the whole program at start.
namespace common {

// The colours a control can take beside the plain ones. The calculator's keys show them by
// kind; the tool windows give their keys the same colours for the same roles.
enum class Look {
    Digit,
    Operator,
    Equals,
    Edit,
    Off,
    Science,
    Memory,
    Tool,
    Action,  // a tool window's main key: solve, find, draw
    Display, // the calculator's display
    Ticker,  // the calculator's banner line
};

// Sets the suite's style and palette on the application; every window made after it has them.
void applySuiteLook(QApplication& app);

// The suite's icon in every size the program carries (its ":/icons" resource).
QIcon suiteIcon();

// Gives the control the colours of the look; it also names the look in the property
// kLookProperty, which the style reads.
void setLook(QWidget& control, Look look);
inline constexpr char kLookProperty[] = "look";

// Makes a key as small as its caption allows, without the base style's least width: the
// layout it is in decides how much larger it grows (the calculator's keys).
void setCompactKey(QWidget& key);
inline constexpr char kCompactKeyProperty[] = "compactKey";

// The palette of the suite's plain controls.
QPalette suitePalette();

// Whether the style is the one applySuiteLook sets.
bool isSuiteStyle(const QStyle* style);

} // namespace common

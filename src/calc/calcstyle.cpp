#include "calcstyle.h"

namespace calc {

QString keyKindName(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
        return QStringLiteral("digit");
    case KeyKind::Operator:
        return QStringLiteral("operator");
    case KeyKind::Equals:
        return QStringLiteral("equals");
    case KeyKind::Edit:
        return QStringLiteral("edit");
    case KeyKind::Off:
        return QStringLiteral("off");
    case KeyKind::Science:
        return QStringLiteral("science");
    case KeyKind::Memory:
        return QStringLiteral("memory");
    case KeyKind::Tool:
        return QStringLiteral("tool");
    }
    return {};
}

QString calcStyleSheet() {
    return QStringLiteral(R"(
QWidget#body { background: #e4e7eb; }
QLineEdit#calc {
    background: #d7e3c4; color: #1d2a14; border: 2px solid #7d8a6c; border-radius: 4px;
    padding: 2px 8px;
}
QLabel#Tec { color: #38424c; }
QGroupBox { border: 1px solid #a9b1ba; border-radius: 5px; margin-top: 8px; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; color: #38424c; }
QPushButton {
    border: 1px solid #9aa3ad; border-radius: 5px; padding: 3px 6px; min-height: 24px;
    background: #f7f8f9; color: #1e2327;
}
QPushButton:hover { border-color: #4b6f99; }
QPushButton:focus { border: 2px solid #4b86c6; }
QPushButton[kind="digit"] { background: #ffffff; font-size: 11pt; font-weight: bold; min-width: 38px; min-height: 32px; }
QPushButton[kind="operator"] { background: #f6d9a8; font-size: 11pt; font-weight: bold; min-width: 38px; min-height: 32px; }
QPushButton[kind="equals"] { background: #3f7fc4; color: white; font-size: 13pt; font-weight: bold; min-width: 38px; }
QPushButton[kind="edit"] { background: #f1c9c4; font-weight: bold; min-width: 38px; min-height: 32px; }
QPushButton[kind="off"] { background: #c9493f; color: white; font-weight: bold; min-width: 38px; min-height: 32px; }
QPushButton[kind="science"] { background: #d9e2ec; min-width: 42px; }
QPushButton[kind="memory"] { background: #e3dcef; min-width: 52px; }
QPushButton[kind="tool"] { background: #dbe9dc; min-height: 28px; }
QPushButton:pressed { background: #b7c4d3; }
QLabel#Label2 { color: rgb(192, 0, 0); }
QLabel#Label1 { color: rgb(0, 128, 0); }
QLabel#Label3 { color: rgb(255, 0, 0); font-weight: bold; }
QLineEdit#bStr { background: #f7f8f9; color: #2b3a55; border: 1px solid #a9b1ba; }
)");
}

} // namespace calc

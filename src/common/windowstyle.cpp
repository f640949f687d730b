#include "windowstyle.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace common {

namespace {

// Title bars draw their captions in bold at 8 or 9 points.
constexpr qreal kTitlePoints = 9;
// The icon on the left, minimize, maximize and close on the right, and their margins.
constexpr int kTitleBarRoom = 120;

} // namespace

void applyMainWindowStyle(QWidget& window) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void applyToolWindowStyle(QWidget& window) {
    window.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

int captionWidth(const QString& caption) {
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), kTitlePoints));
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarRoom;
}

void fixSizeAndCenter(QWidget& window) {
    window.adjustSize();
    QSize size = window.sizeHint().expandedTo(window.minimumSizeHint());
    size.setWidth(std::max(size.width(), captionWidth(window.windowTitle())));
    window.setFixedSize(size);
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace common

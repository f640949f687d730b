#include "windowstyle.h"

#include <QFont>
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

QFont titleFont() {
    QFont font = QGuiApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), kTitlePoints));
    return font;
}

// No character of a title font is as wide as one and a half ems, so a window at least this wide
// shows the caption whole without measuring it. Measuring loads the bold title font, which a
// window that is plainly wide enough (the calculator) need not wait for.
int captionWidthBound(const QString& caption, const QWidget& window) {
    const qreal em = titleFont().pointSizeF() * window.logicalDpiY() / 72.0;
    return static_cast<int>(static_cast<qreal>(caption.size()) * 1.5 * em) + kTitleBarRoom;
}

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

qreal placeScale(const QWidget& widget) {
    constexpr qreal kDesignDpi = 96;
    return std::max<qreal>(1, widget.logicalDpiY() / kDesignDpi);
}

int captionWidth(const QString& caption) {
    return QFontMetrics(titleFont()).horizontalAdvance(caption) + kTitleBarRoom;
}

void fixSizeAndCenter(QWidget& window) {
    window.adjustSize();
    QSize size = window.sizeHint().expandedTo(window.minimumSizeHint());
    const QString caption = window.windowTitle();
    if (size.width() < captionWidthBound(caption, window)) {
        size.setWidth(std::max(size.width(), captionWidth(caption)));
    }
    window.setFixedSize(size);
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace common

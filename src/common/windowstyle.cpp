#include "windowstyle.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace common {

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

void fixSizeAndCenter(QWidget& window) {
    window.adjustSize();
    window.setFixedSize(window.sizeHint().expandedTo(window.minimumSizeHint()));
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace common

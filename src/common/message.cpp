#include "message.h"

#include "windowstyle.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <utility>

namespace common {

namespace {

MessageHandler& handlerSlot() {
    static MessageHandler handler;
    return handler;
}

// The window that showed a box gets the focus back where it was, whatever window the window
// manager chose to activate when the box went.
void giveFocusBack(QWidget* window, QWidget* focused) {
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    window->activateWindow();
    if (focused != nullptr && focused->isVisible() && focused->isEnabled()) {
        focused->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void showBox(const QString& title, const QString& text) {
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const QPointer<QWidget> window =
        focused != nullptr ? focused->window() : QApplication::activeWindow();
    makeMessageBox(title, text, window)->exec();
    giveFocusBack(window, focused);
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& title, const QString& text,
                                            QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->button(QMessageBox::Ok)->setIcon(QIcon());
    // The box sizes itself when it is shown; a strip under its contents holds it as wide as
    // its caption needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = captionWidth(title) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

void showMessage(const QString& title, const QString& text) {
    if (const auto& handler = handlerSlot()) {
        handler(title, text);
    } else {
        showBox(title, text);
    }
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

Report reporterFor(const QString& title) {
    return [title](const QString& text) { showMessage(title, text); };
}

} // namespace common

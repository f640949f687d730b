#include "message.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace common {

namespace {

MessageHandler& handlerSlot() {
    static MessageHandler handler;
    return handler;
}

void showBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace

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

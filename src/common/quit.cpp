#include "quit.h"

#include <QApplication>
#include <utility>

namespace common {

namespace {

QuitHandler& handlerSlot() {
    static QuitHandler handler;
    return handler;
}

} // namespace

void endProgram() {
    if (const auto& handler = handlerSlot()) {
        handler();
        return;
    }
    QApplication::quit(); // the event loop ends; main() then destroys every window
}

QuitHandler setQuitHandler(QuitHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

} // namespace common

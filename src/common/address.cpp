#include "address.h"

#include <QDesktopServices>
#include <utility>

namespace common {

namespace {

AddressHandler& handlerSlot() {
    static AddressHandler handler;
    return handler;
}

} // namespace

void openAddress(const QUrl& address) {
    if (const auto& handler = handlerSlot()) {
        handler(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

AddressHandler setAddressHandler(AddressHandler handler) {
    return std::exchange(handlerSlot(), std::move(handler));
}

} // namespace common

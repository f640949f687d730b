#pragma once

#include <QUrl>
#include <functional>

namespace common {

// Opens a web page, a local page or a new mail message in the system's own program.
// Never goes through a shell. Tests put a recorder in its place.
void openAddress(const QUrl& address);

using AddressHandler = std::function<void(const QUrl& address)>;
// Replaces the routine; an empty handler restores the real one. Returns the previous.
AddressHandler setAddressHandler(AddressHandler handler);

} // namespace common

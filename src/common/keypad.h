#pragma once

#include <QtGlobal>

// The numeric keypad as the window systems report it.
namespace common {

// X keysyms of the keypad, KP_Space (0xff80) to KP_Equal (0xffbd). The X11 and the Wayland
// platforms report a key's keysym as its native virtual key; under Wayland the keypad's
// operators, decimal key and Enter may arrive without Qt's keypad flag, so the keysym is what
// tells them from the main row's.
inline constexpr quint32 kFirstKeypadKeysym = 0xff80;
inline constexpr quint32 kLastKeypadKeysym = 0xffbd;

constexpr bool isKeypadKeysym(quint32 keysym) {
    return keysym >= kFirstKeypadKeysym && keysym <= kLastKeypadKeysym;
}

} // namespace common

#include "keymap.h"

#include "keycodes.h"

#include "common/keypad.h"

#include <Qt>
#include <array>
#include <utility>

namespace calc {

using namespace vk;

namespace {

// XKB key codes of the physical keys (evdev code + 8) that the calculator cares about,
// with the letters so that every letter key is named by its place on the keyboard.
constexpr std::array<std::pair<quint32, int>, 43> kXkbKeys{{
    {10, '1'},    {11, '2'},    {12, '3'},    {13, '4'},      {14, '5'},        {15, '6'},
    {16, '7'},    {17, '8'},    {18, '9'},    {19, '0'},      {22, kBackspace}, {23, kTab},
    {36, kEnter}, {9, kEscape}, {65, kSpace}, {119, kDelete}, {118, kInsert},   {24, 'Q'},
    {25, 'W'},    {26, 'E'},    {27, 'R'},    {28, 'T'},      {29, 'Y'},        {30, 'U'},
    {31, 'I'},    {32, 'O'},    {33, 'P'},    {38, 'A'},      {39, 'S'},        {40, 'D'},
    {41, 'F'},    {42, 'G'},    {43, 'H'},    {44, 'J'},      {45, 'K'},        {46, 'L'},
    {52, 'Z'},    {53, 'X'},    {54, 'C'},    {55, 'V'},      {56, 'B'},        {57, 'N'},
    {58, 'M'},
}};

// Characters that the main-row digit keys type with Shift held, in the US and the Russian
// layout. Only used when the physical key is unknown.
constexpr std::array<std::pair<int, int>, 11> kShiftedDigits{{
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {0x2116 /* № */, '3'},
}};

// The Russian letters typed by the C, M, R and V keys, the only letters with an action.
constexpr std::array<std::pair<int, int>, 4> kCyrillicLetters{{
    {0x0421 /* С */, kC},
    {0x042C /* Ь */, kM},
    {0x041A /* К */, kR},
    {0x041C /* М */, kV},
}};

// Keys that only modify others: pressed alone they are no key of the calculator.
constexpr std::array<int, 12> kModifiers{
    Qt::Key_Shift,   Qt::Key_Control,  Qt::Key_Alt,     Qt::Key_AltGr,
    Qt::Key_Meta,    Qt::Key_Super_L,  Qt::Key_Super_R, Qt::Key_Hyper_L,
    Qt::Key_Hyper_R, Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Mode_switch,
};

int fromKeypad(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return kKeypad0 + (qtKey - Qt::Key_0);
    }
    switch (qtKey) {
    case Qt::Key_Period: // the decimal key types a point or a comma by layout
    case Qt::Key_Comma:
        return kDecimal;
    case Qt::Key_Plus:
        return kAdd;
    case Qt::Key_Minus:
        return kSubtract;
    case Qt::Key_Asterisk:
        return kMultiply;
    case Qt::Key_Slash:
        return kDivide;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return kEnter;
    default:
        return 0;
    }
}

int fromQtKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return '0' + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return 'A' + (qtKey - Qt::Key_A);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return kF1 + (qtKey - Qt::Key_F1);
    }
    for (const auto& [key, code] : kShiftedDigits) {
        if (key == qtKey) {
            return code;
        }
    }
    for (const auto& [key, code] : kCyrillicLetters) {
        if (key == qtKey) {
            return code;
        }
    }
    switch (qtKey) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Space:
        return kSpace;
    case Qt::Key_Delete:
        return kDelete;
    case Qt::Key_Insert:
        return kInsert;
    default:
        return 0;
    }
}

} // namespace

KeySource keySourceForPlatform(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"))) {
        return KeySource::XkbKeycode;
    }
    if (platformName == QLatin1String("windows")) {
        return KeySource::WindowsVirtualKey;
    }
    return KeySource::QtKeyOnly;
}

int virtualKeyCode(const KeyInput& key, KeySource source) {
    if (source == KeySource::WindowsVirtualKey && key.nativeVirtualKey != 0) {
        return static_cast<int>(key.nativeVirtualKey);
    }
    // Keypad keys go by what they do now: with Num Lock off the digits are arrows and such. Under
    // Wayland the keypad's operators, decimal key and Enter may come without the keypad flag;
    // their keysym still tells them from the main row's.
    const bool keypad = key.keypad || (source == KeySource::XkbKeycode &&
                                       common::isKeypadKeysym(key.nativeVirtualKey));
    if (keypad) {
        return fromKeypad(key.qtKey);
    }
    if (source == KeySource::XkbKeycode && key.nativeScanCode != 0) {
        for (const auto& [keycode, code] : kXkbKeys) {
            if (keycode == key.nativeScanCode) {
                return code;
            }
        }
    }
    return fromQtKey(key.qtKey);
}

KeyMeaning interpretKey(const KeyInput& key, KeySource source) {
    for (const int modifier : kModifiers) {
        if (key.qtKey == modifier) {
            return {KeyCommand::Ignore, 0};
        }
    }
    const int code = virtualKeyCode(key, source);
    if (key.control && !key.alt && (code == kC || code == kInsert)) {
        return {KeyCommand::Copy, 0};
    }
    if (key.control && !key.alt && code == kV) {
        return {KeyCommand::Paste, 0};
    }
    if (key.shift && !key.control && !key.alt && code == kInsert) {
        return {KeyCommand::Paste, 0};
    }
    if (key.control || key.alt) {
        return {KeyCommand::Ignore, 0};
    }
    return {KeyCommand::KeyMap, code};
}

} // namespace calc

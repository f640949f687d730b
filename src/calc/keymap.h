#pragma once

#include <QString>
#include <QtGlobal>

// Turns a key press into the Windows virtual-key code that the calculator's key map is
// written in. The physical key counts, not the character it types: Shift+8 is still 8, and
// the keys C, M and R work under the Russian layout, where they type С, Ь and К.
namespace calc {

// Where the physical key can be read from.
enum class KeySource {
    XkbKeycode,        // X11 and Wayland: the native scan code is the XKB key code
    WindowsVirtualKey, // Windows: the native virtual key is already the code
    QtKeyOnly,         // anything else: only Qt's key code and modifiers
};

KeySource keySourceForPlatform(const QString& platformName);

struct KeyInput {
    int qtKey = 0;       // Qt::Key
    bool keypad = false; // Qt::KeypadModifier was set
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0; // X11 and Wayland: the keysym
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The virtual-key code, or 0 for a key the calculator has no name for.
int virtualKeyCode(const KeyInput& key, KeySource source);

// What a key press does in the calculator window.
enum class KeyCommand {
    Ignore, // a lone modifier, or a combination with Ctrl or Alt that is no command
    Copy,   // Ctrl+C, Ctrl+Insert: the display text to the clipboard
    Paste,  // Ctrl+V, Shift+Insert: the clipboard's first line into the display
    KeyMap, // everything else goes to the key map with its virtual-key code
};

struct KeyMeaning {
    KeyCommand command = KeyCommand::Ignore;
    int code = 0; // the virtual-key code, for KeyCommand::KeyMap
};

KeyMeaning interpretKey(const KeyInput& key, KeySource source);

} // namespace calc

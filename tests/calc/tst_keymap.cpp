#include "calc/keymap.h"

#include <QtTest>

using calc::KeyCommand;
using calc::KeyInput;
using calc::KeySource;

// Key presses turned into the calculator's key codes, as each platform reports them.
class TestKeyMap : public QObject {
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void commands_data();
    void commands();
    void platforms();
};

Q_DECLARE_METATYPE(KeySource)
Q_DECLARE_METATYPE(KeyCommand)

void TestKeyMap::codes_data() {
    QTest::addColumn<KeySource>("source");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<uint>("virtualKey");
    QTest::addColumn<int>("code");

    const auto x = KeySource::XkbKeycode;
    const auto q = KeySource::QtKeyOnly;
    const auto w = KeySource::WindowsVirtualKey;
    // X11: the physical key decides
    QTest::newRow("x11 main-row 1") << x << int(Qt::Key_1) << false << 10u << 0u << 49;
    QTest::newRow("x11 main-row 0") << x << int(Qt::Key_0) << false << 19u << 0u << 48;
    QTest::newRow("x11 shift+8 US") << x << int(Qt::Key_Asterisk) << false << 17u << 0u << 56;
    QTest::newRow("x11 shift+3 Russian") << x << 0x2116 << false << 12u << 0u << 51;
    QTest::newRow("x11 shift+7 Russian") << x << int(Qt::Key_Question) << false << 16u << 0u << 55;
    QTest::newRow("x11 Insert") << x << int(Qt::Key_Insert) << false << 118u << 0u << 45;
    QTest::newRow("x11 C Russian") << x << 0x0421 << false << 54u << 0u << 67;
    QTest::newRow("x11 M Russian") << x << 0x042C << false << 58u << 0u << 77;
    QTest::newRow("x11 R Russian") << x << 0x041A << false << 27u << 0u << 82;
    QTest::newRow("x11 C US") << x << int(Qt::Key_C) << false << 54u << 0u << 67;
    QTest::newRow("x11 A is no action") << x << int(Qt::Key_A) << false << 38u << 0u << 65;
    QTest::newRow("x11 Backspace") << x << int(Qt::Key_Backspace) << false << 22u << 0u << 8;
    QTest::newRow("x11 Enter") << x << int(Qt::Key_Return) << false << 36u << 0u << 13;
    QTest::newRow("x11 main-row comma") << x << int(Qt::Key_Comma) << false << 59u << 0u << 0;
    QTest::newRow("x11 main-row minus") << x << int(Qt::Key_Minus) << false << 20u << 0u << 0;
    QTest::newRow("x11 main-row plus") << x << int(Qt::Key_Plus) << false << 21u << 0u << 0;
    QTest::newRow("x11 main-row point") << x << int(Qt::Key_Period) << false << 60u << 0u << 0;
    QTest::newRow("x11 F5") << x << int(Qt::Key_F5) << false << 71u << 0u << 116;
    // keypad: by what the key does now
    QTest::newRow("keypad 7") << x << int(Qt::Key_7) << true << 79u << 0u << 103;
    QTest::newRow("keypad 0") << x << int(Qt::Key_0) << true << 90u << 0u << 96;
    QTest::newRow("keypad point") << x << int(Qt::Key_Period) << true << 91u << 0u << 110;
    QTest::newRow("keypad comma") << x << int(Qt::Key_Comma) << true << 91u << 0u << 110;
    QTest::newRow("keypad plus") << x << int(Qt::Key_Plus) << true << 86u << 0u << 107;
    QTest::newRow("keypad minus") << x << int(Qt::Key_Minus) << true << 82u << 0u << 109;
    QTest::newRow("keypad star") << x << int(Qt::Key_Asterisk) << true << 63u << 0u << 106;
    QTest::newRow("keypad slash") << x << int(Qt::Key_Slash) << true << 106u << 0u << 111;
    QTest::newRow("keypad Enter") << x << int(Qt::Key_Enter) << true << 104u << 0u << 13;
    QTest::newRow("keypad 1 without Num Lock") << x << int(Qt::Key_End) << true << 87u << 0u << 0;
    // Wayland: keypad keys without the keypad flag, told by their keysyms
    QTest::newRow("keysym KP_Add") << x << int(Qt::Key_Plus) << false << 86u << 0xffabu << 107;
    QTest::newRow("keysym KP_Multiply")
        << x << int(Qt::Key_Asterisk) << false << 63u << 0xffaau << 106;
    QTest::newRow("keysym KP_Decimal")
        << x << int(Qt::Key_Period) << false << 91u << 0xffaeu << 110;
    QTest::newRow("keysym KP_Separator")
        << x << int(Qt::Key_Comma) << false << 91u << 0xffacu << 110;
    QTest::newRow("keysym KP_Enter") << x << int(Qt::Key_Enter) << false << 104u << 0xff8du << 13;
    QTest::newRow("keysym KP_1") << x << int(Qt::Key_1) << false << 87u << 0xffb1u << 97;
    QTest::newRow("keysym KP_End") << x << int(Qt::Key_End) << false << 87u << 0xff9cu << 0;
    QTest::newRow("keysym main-row plus") << x << int(Qt::Key_Plus) << false << 21u << 0x2bu << 0;
    QTest::newRow("keysym unread elsewhere")
        << q << int(Qt::Key_Plus) << false << 0u << 0xffabu << 0;
    // no physical key known: the Qt key, Cyrillic letters and shifted symbols
    QTest::newRow("qt digit") << q << int(Qt::Key_5) << false << 0u << 0u << 53;
    QTest::newRow("qt shift+8") << q << int(Qt::Key_Asterisk) << false << 0u << 0u << 56;
    QTest::newRow("qt shift+1") << q << int(Qt::Key_Exclam) << false << 0u << 0u << 49;
    QTest::newRow("qt shift+0") << q << int(Qt::Key_ParenRight) << false << 0u << 0u << 48;
    QTest::newRow("qt numero sign") << q << 0x2116 << false << 0u << 0u << 51;
    QTest::newRow("qt Cyrillic Es") << q << 0x0421 << false << 0u << 0u << 67;
    QTest::newRow("qt Cyrillic soft sign") << q << 0x042C << false << 0u << 0u << 77;
    QTest::newRow("qt Cyrillic Ka") << q << 0x041A << false << 0u << 0u << 82;
    QTest::newRow("qt other Cyrillic") << q << 0x0424 << false << 0u << 0u << 0;
    QTest::newRow("qt Latin R") << q << int(Qt::Key_R) << false << 0u << 0u << 82;
    QTest::newRow("qt Enter") << q << int(Qt::Key_Return) << false << 0u << 0u << 13;
    QTest::newRow("qt Backspace") << q << int(Qt::Key_Backspace) << false << 0u << 0u << 8;
    QTest::newRow("qt main-row minus") << q << int(Qt::Key_Minus) << false << 0u << 0u << 0;
    QTest::newRow("x11 without scan code") << x << 0x0421 << false << 0u << 0u << 67;
    // Windows: the virtual key is the code
    QTest::newRow("windows keypad decimal")
        << w << int(Qt::Key_Comma) << true << 83u << 110u << 110;
    QTest::newRow("windows C Russian") << w << 0x0421 << false << 46u << 67u << 67;
    QTest::newRow("windows shift+8") << w << int(Qt::Key_Asterisk) << false << 9u << 56u << 56;
}

void TestKeyMap::codes() {
    QFETCH(KeySource, source);
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(uint, scanCode);
    QFETCH(uint, virtualKey);
    QFETCH(int, code);
    QCOMPARE(calc::virtualKeyCode(KeyInput{qtKey, keypad, scanCode, virtualKey}, source), code);
}

void TestKeyMap::commands_data() {
    QTest::addColumn<KeySource>("source");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<QString>("modifiers"); // s = Shift, c = Ctrl, a = Alt
    QTest::addColumn<KeyCommand>("command");
    QTest::addColumn<int>("code");

    const auto x = KeySource::XkbKeycode;
    const auto q = KeySource::QtKeyOnly;
    const auto ignore = KeyCommand::Ignore;
    const auto map = KeyCommand::KeyMap;
    const QList<QPair<const char*, int>> modifierKeys{
        {"Shift", Qt::Key_Shift},      {"Ctrl", Qt::Key_Control}, {"Alt", Qt::Key_Alt},
        {"AltGr", Qt::Key_AltGr},      {"Meta", Qt::Key_Meta},    {"Caps Lock", Qt::Key_CapsLock},
        {"Num Lock", Qt::Key_NumLock},
    };
    for (const auto& [name, modifier] : modifierKeys) {
        QTest::addRow("lone %s", name) << x << modifier << 0u << "" << ignore << 0;
    }
    QTest::newRow("Ctrl+C") << x << int(Qt::Key_C) << 54u << "c" << KeyCommand::Copy << 0;
    QTest::newRow("Ctrl+С Russian") << x << 0x0421 << 54u << "c" << KeyCommand::Copy << 0;
    QTest::newRow("Ctrl+Insert") << x << int(Qt::Key_Insert) << 118u << "c" << KeyCommand::Copy
                                 << 0;
    QTest::newRow("Ctrl+V") << q << int(Qt::Key_V) << 0u << "c" << KeyCommand::Paste << 0;
    QTest::newRow("Ctrl+М Russian") << q << 0x041C << 0u << "c" << KeyCommand::Paste << 0;
    QTest::newRow("Shift+Insert") << x << int(Qt::Key_Insert) << 118u << "s" << KeyCommand::Paste
                                  << 0;
    QTest::newRow("Ctrl+Alt+C") << x << int(Qt::Key_C) << 54u << "ca" << ignore << 0;
    QTest::newRow("Ctrl+5") << x << int(Qt::Key_5) << 14u << "c" << ignore << 0;
    QTest::newRow("Alt+M") << x << int(Qt::Key_M) << 58u << "a" << ignore << 0;
    QTest::newRow("Shift+2 Russian") << x << int(Qt::Key_QuoteDbl) << 11u << "s" << map << 50;
    QTest::newRow("Shift+C") << q << int(Qt::Key_C) << 0u << "s" << map << 67;
}

void TestKeyMap::commands() {
    QFETCH(KeySource, source);
    QFETCH(int, qtKey);
    QFETCH(uint, scanCode);
    QFETCH(QString, modifiers);
    QFETCH(KeyCommand, command);
    QFETCH(int, code);
    KeyInput key{qtKey, false, scanCode, 0};
    key.shift = modifiers.contains(QLatin1Char('s'));
    key.control = modifiers.contains(QLatin1Char('c'));
    key.alt = modifiers.contains(QLatin1Char('a'));
    const calc::KeyMeaning meaning = calc::interpretKey(key, source);
    QCOMPARE(meaning.command, command);
    QCOMPARE(meaning.code, code);
}

void TestKeyMap::platforms() {
    QCOMPARE(calc::keySourceForPlatform("xcb"), KeySource::XkbKeycode);
    QCOMPARE(calc::keySourceForPlatform("wayland-egl"), KeySource::XkbKeycode);
    QCOMPARE(calc::keySourceForPlatform("windows"), KeySource::WindowsVirtualKey);
    QCOMPARE(calc::keySourceForPlatform("offscreen"), KeySource::QtKeyOnly);
}

QTEST_APPLESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"

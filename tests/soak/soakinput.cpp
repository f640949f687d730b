#include "soakinput.h"

namespace soak {

QList<Key> keyboard() {
    QList<Key> keys;
    const auto add = [&keys](int code, const QString& text = {},
                             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        keys.append({code, modifiers, text});
    };
    for (char c = '0'; c <= '9'; ++c) {
        add(c, QString(QLatin1Char(c)));
        add(c, QString(QLatin1Char(c)), Qt::KeypadModifier);
        add(c, {}, Qt::ShiftModifier);
    }
    for (char c = 'A'; c <= 'Z'; ++c) {
        add(c, QString(QLatin1Char(c)).toLower());
        add(c, QString(QLatin1Char(c)), Qt::ShiftModifier);
    }
    for (const QChar c : QStringLiteral("йцукенгшщзхъфывапролджэячсмитьбюё")) {
        add(c.toUpper().unicode(), QString(c));
    }
    for (const QChar c : QStringLiteral("+-*/=,.%\"№;:?()")) {
        add(c.unicode(), QString(c));
    }
    add(Qt::Key_QuoteDbl, QStringLiteral("\""), Qt::ShiftModifier); // Shift+2, Russian layout
    for (const int code :
         {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Escape,
          Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
          Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Insert}) {
        add(code);
    }
    // Modifier and lock keys alone.
    for (const int code : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta,
                           Qt::Key_CapsLock, Qt::Key_NumLock}) {
        add(code);
    }
    for (int code = Qt::Key_F1; code <= Qt::Key_F12; ++code) {
        add(code);
    }
    // Combinations: clipboard keys, editing keys and modifiers over calculator keys.
    for (const int code : {'C', 'V', 'X', 'A', 'Z', 'M', 'R', '5'}) {
        add(code, {}, Qt::ControlModifier);
        add(code, {}, Qt::AltModifier);
    }
    add(Qt::Key_Insert, {}, Qt::ControlModifier);
    add(Qt::Key_Insert, {}, Qt::ShiftModifier);
    add('Z', {}, Qt::ControlModifier | Qt::ShiftModifier);
    add(Qt::Key_F1, {}, Qt::ControlModifier);
    // The context-menu key is left out: its menu runs a nested event loop.
    return keys;
}

const QStringList& texts() {
    static const QStringList list =
        QStringLiteral(
            "1,79769313486232E+308|-1,79769313486232E+308|1,8E+308|1E308|1E400|-1E400|"
            "1E-308|4,94065645841247E-324|1E-400|-0|0|inf|-inf|nan|NaN|1,2,3||  7 |12,5|"
            "-3|1e5|2,5E-3|-|,|1.5|30|45|60|90|180|0,5|100000000|1E200|-1E200|1E-300|abc|"
            "Ф|99999999999999999999| 2,5 \n3\n")
            .split(QLatin1Char('|'))
        << QString(40000, QLatin1Char('9'))
        << QStringLiteral("0,") + QString(39998, QLatin1Char('3'));
    return list;
}

} // namespace soak

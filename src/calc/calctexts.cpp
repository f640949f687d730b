#include "calctexts.h"

namespace calc {

QString emptySlotCaption(int slot) {
    return QStringLiteral("Слот #%1").arg(slot + 1);
}

QString faultMessage(Fault fault) {
    switch (fault) {
    case Fault::DivisionByZero:
        return QStringLiteral("На ноль делить нельзя!");
    case Fault::BadArgument:
        return QStringLiteral("Недопустимый аргумент функции!");
    case Fault::Overflow:
        return QStringLiteral("Переполнение!");
    case Fault::None:
        break;
    }
    return {};
}

} // namespace calc

#include "calctexts.h"

namespace calc {

QString emptySlotCaption(int slot) {
    return QStringLiteral("Слот #%1").arg(slot + 1);
}

} // namespace calc

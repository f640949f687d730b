#include "words.h"

namespace common::words {

QString faultMessage(Fault fault) {
    switch (fault) {
    case Fault::DivisionByZero:
        return kDivisionByZero;
    case Fault::BadArgument:
        return kBadArgument;
    case Fault::Overflow:
        return kOverflow;
    case Fault::None:
        break;
    }
    return {};
}

} // namespace common::words

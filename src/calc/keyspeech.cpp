#include "keyspeech.h"

#include <QWidget>

namespace calc {

QString toolTipOf(const Speech& speech) {
    const QString name = QString::fromUtf8(speech.name);
    if (speech.keyboard == nullptr) {
        return name;
    }
    return QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(speech.keyboard));
}

void speak(QWidget& control, const Speech& speech) {
    control.setAccessibleName(QString::fromUtf8(speech.name));
    QString description = QString::fromUtf8(speech.description);
    if (speech.keyboard != nullptr) {
        description += QStringLiteral(" (%1)").arg(QString::fromUtf8(speech.keyboard));
    }
    control.setAccessibleDescription(description);
    control.setToolTip(toolTipOf(speech));
}

void speakSlot(QWidget& slot, int index) {
    slot.setAccessibleName(QStringLiteral("ячейка памяти %1").arg(index + 1));
}

void speakSlotValue(QWidget& slot, const QString& caption, bool empty) {
    const QString value = empty ? QStringLiteral("пусто") : caption;
    if (slot.accessibleDescription() != value) {
        slot.setAccessibleDescription(value);
    }
}

} // namespace calc

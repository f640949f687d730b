#include "keyspeech.h"

#include "common/controls.h"

#include <QWidget>

namespace calc {

namespace {

QString toolTipOf(const Speech& speech) {
    const QString name = QString::fromUtf8(speech.name);
    if (speech.keyboard == nullptr) {
        return name;
    }
    return QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(speech.keyboard));
}

} // namespace

void speak(QWidget& control, const Speech& speech) {
    QString description = QString::fromUtf8(speech.description);
    if (speech.keyboard != nullptr) {
        description += QStringLiteral(" (%1)").arg(QString::fromUtf8(speech.keyboard));
    }
    common::describe(control, QString::fromUtf8(speech.name), description);
    control.setToolTip(toolTipOf(speech)); // the name and its keyboard key, short to read
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

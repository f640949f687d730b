#pragma once

#include <QString>

// Every text the calculator writes into its own controls or its message boxes.
namespace calc {

// The operation line: the prefix alone, or followed by the pending operator's code.
inline const QString kTecPrefix = QStringLiteral("Текущее действие: ");
inline const QString kPowerLine = kTecPrefix + QStringLiteral("степень y");
inline const QString kRootLine = kTecPrefix + QStringLiteral("извлечение корня степени y");

// The inverse functions' display texts: before the search and when no angle fits.
inline const QString kWait = QStringLiteral("Подождите ...");
inline const QString kNotFound = QStringLiteral("Найти невозможно");

// The caption of an empty memory slot (0 to 4): "Слот #1" … "Слот #5".
QString emptySlotCaption(int slot);

} // namespace calc

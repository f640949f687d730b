#pragma once

#include <QString>
#include <QStringList>

class QMainWindow;

// The calculator's doors to the rest of the suite: the four tool keys and the "Справка" menu.
namespace calc {

inline const QString kWhatsNewTitle = QStringLiteral("Цифроид 2.26");
inline const QString kWhatsNew = QStringLiteral("Новые функции в калькуляторе: x*10");
inline const QString kHelpFile = QStringLiteral("HELP.htm");

// Where the help page is looked for, in order: the current folder, then the installed copies.
QStringList helpPageCandidates();

// "Помощь": opens the first help page that exists in the system's browser, or says which file
// it looked for.
void help_Click();
// "Что нового?"
void WhatNEW_Click();

// Connects the tool keys and the "Справка" items of the calculator window.
void connectShell(QMainWindow& window);

} // namespace calc

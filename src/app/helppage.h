#pragma once

#include <QString>
#include <QStringList>

// The help page that "Справка" → "Помощь" opens.
namespace app {

inline const QString kHelpFile = QStringLiteral("HELP.htm");

// Where the help page is looked for, in order: the current folder, then the installed copies.
QStringList helpPageCandidates();

// Opens the first help page that exists in the system's browser, or says which file it looked
// for, under the calculator's title.
void openHelp();

} // namespace app

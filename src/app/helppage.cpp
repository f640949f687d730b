#include "helppage.h"

#include "calc/calcform.h"
#include "common/address.h"
#include "common/message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace app {

QStringList helpPageCandidates() {
    QStringList paths{QDir::current().absoluteFilePath(kHelpFile)};
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("cifroid/") + kHelpFile);
    if (!installed.isEmpty()) {
        paths << installed;
    }
    // Beside an installed program that the data folders do not list (another prefix).
    paths << QDir(QCoreApplication::applicationDirPath())
                 .absoluteFilePath(QStringLiteral("../share/cifroid/") + kHelpFile);
    return paths;
}

void openHelp() {
    const QStringList candidates = helpPageCandidates();
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) {
            common::openAddress(QUrl::fromLocalFile(QDir::cleanPath(path)));
            return;
        }
    }
    common::showMessage(calc::CalcForm::kMessageTitle,
                        QStringLiteral("Не найден файл справки ") +
                            QDir::toNativeSeparators(candidates.front()));
}

} // namespace app

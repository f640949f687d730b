#include "calcshell.h"

#include "about/aform.h"
#include "common/address.h"
#include "common/message.h"
#include "equations/gform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <array>

namespace calc {

namespace {

const QString kMessageTitle = QStringLiteral("Цифроид 2 калькулятор");

struct Launcher {
    const char* key;
    void (*open)();
};

constexpr std::array<Launcher, 4> kLaunchers{{
    {"Command7", equations::showChooser},
    {"treug", geometry::showTriangle},
    {"Command2", geometry::showVector},
    {"Command8", fractions::showFractions},
}};

} // namespace

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

void help_Click() {
    const QStringList candidates = helpPageCandidates();
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) {
            common::openAddress(QUrl::fromLocalFile(QDir::cleanPath(path)));
            return;
        }
    }
    common::showMessage(kMessageTitle, QStringLiteral("Не найден файл справки ") +
                                           QDir::toNativeSeparators(candidates.front()));
}

void WhatNEW_Click() {
    common::showMessage(kWhatsNewTitle, kWhatsNew);
}

void connectShell(QMainWindow& window) {
    for (const Launcher& launcher : kLaunchers) {
        auto* key = window.findChild<QPushButton*>(QString::fromLatin1(launcher.key));
        Q_ASSERT(key);
        QObject::connect(key, &QPushButton::clicked, &window, launcher.open);
    }
    const auto item = [&window](const char* name) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(action);
        return action;
    };
    QObject::connect(item("help"), &QAction::triggered, &window, help_Click);
    QObject::connect(item("WhatNEW"), &QAction::triggered, &window, WhatNEW_Click);
    QObject::connect(item("opg"), &QAction::triggered, &window, about::showAbout);
}

} // namespace calc

#include "shell.h"

#include "helppage.h"

#include "about/aform.h"
#include "calc/calcform.h"
#include "common/message.h"
#include "common/quit.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "equations/gform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void runCommand(calc::Command command) {
    using calc::Command;
    switch (command) {
    case Command::Quit:
        common::endProgram();
        return;
    case Command::Help:
        openHelp();
        return;
    case Command::WhatsNew:
        common::showMessage(kWhatsNewTitle, kWhatsNew);
        return;
    case Command::About:
        common::showWindow<about::AForm>();
        return;
    case Command::Equations:
        common::showWindow<equations::GForm>();
        return;
    case Command::Triangle:
        common::showWindow<geometry::TreugForm>();
        return;
    case Command::Vector:
        common::showWindow<geometry::VectorForm>();
        return;
    case Command::Fractions:
        common::showWindow<fractions::DrobForm>();
        return;
    case Command::None:
        return;
    }
}

bool useRussianToolkitTexts() {
    auto* texts = new QTranslator(QCoreApplication::instance());
    if (!texts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}

std::unique_ptr<calc::CalcForm> makeMainWindow(const QString& startText) {
    common::setAboutHandler([] { runCommand(calc::Command::About); });
    auto window = std::make_unique<calc::CalcForm>(startText);
    QObject::connect(window.get(), &calc::CalcForm::commandChosen, window.get(), &runCommand);
    return window;
}

} // namespace app

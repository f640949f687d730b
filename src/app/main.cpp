#include "shell.h"

#include "calc/calcform.h"
#include "common/suitelook.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <clocale>

namespace {

// The text after the program name, read before Qt takes out the options it knows.
QString startText(int argc, char** argv) {
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << QString::fromLocal8Bit(argv[i]);
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char** argv) {
    const QString text = startText(argc, argv);
    // The menus stay in the window they were laid out for, on every desktop. A menu bar shared
    // by the desktop would also make the program call the session bus before its window shows.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; numbers are always read and written our way.
    std::setlocale(LC_NUMERIC, "C");
    // The name is the window class; the desktop file name ties the windows to the menu entry.
    QApplication::setApplicationName(QStringLiteral("cifroid"));
    QApplication::setOrganizationDomain(QStringLiteral("cifroid.example"));
    QApplication::setDesktopFileName(QStringLiteral("example.cifroid.Cifroid"));
    QApplication::setQuitOnLastWindowClosed(false);
    common::applySuiteLook(app);
    app::useRussianToolkitTexts();

    const auto window = app::makeMainWindow(text);
    window->show();
    // The icon once the window is up: reading its pictures need not delay the first frame.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(common::suiteIcon()); });
    return QApplication::exec();
}

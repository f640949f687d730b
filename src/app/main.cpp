#include "calc/calcform.h"
#include "common/suitelook.h"

#include <QApplication>
#include <QStringList>
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
    QApplication app(argc, argv);
    // Qt takes the locale from the environment; numbers are always read and written our way.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Цифроид 2"));
    QApplication::setQuitOnLastWindowClosed(false);
    common::applySuiteLook(app);

    calc::CalcForm window(text);
    window.show();
    return QApplication::exec();
}

// Opens each window of the suite in a state worth showing and saves a picture of it, with the
// frame and caption a window manager draws around it: cifroid_screenshots DIR [SCENE...].

#include "about/aform.h"
#include "app/shell.h"
#include "calc/calcform.h"
#include "common/message.h"
#include "common/suitelook.h"
#include "common/windowregistry.h"
#include "equations/gform.h"
#include "equations/kvurform.h"
#include "equations/linurform.h"
#include "fractions/drobform.h"
#include "geometry/treugform.h"
#include "geometry/vectorform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <functional>
#include <map>

namespace {

// Lets the window system map, decorate and paint what was shown.
void settle(int milliseconds = 700) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void type(QWidget& window, const char* box, const QString& text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(box));
    Q_ASSERT_X(edit, "type", box);
    edit->setText(text);
}

void click(QWidget& window, const char* key) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(key));
    Q_ASSERT_X(button, "click", key);
    button->click();
}

// The window as the screen shows it, with whatever the window manager draws around it.
QImage shot(QWidget& window) {
    window.raise();
    window.activateWindow();
    settle();
    // A window manager may take a moment to frame the window, and now and then its frame
    // goes unnoticed until the window is shown anew; without one there is no frame.
    const auto framed = [&window] {
        for (int wait = 0; wait < 15; ++wait) {
            if (window.frameGeometry() != window.geometry()) {
                return true;
            }
            settle(100);
        }
        return false;
    };
    if (!framed() && !window.isModal()) {
        window.hide();
        window.show();
        window.activateWindow();
        settle();
        framed();
    }
    const QRect frame = window.frameGeometry();
    std::printf("%-10s %4dx%-4d frame %4dx%-4d %s\n", qPrintable(window.objectName()),
                window.width(), window.height(), frame.width(), frame.height(),
                qPrintable(window.windowTitle()));
    return window.screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .toImage();
}

// Pictures side by side on a clear ground, tops aligned.
QImage sideBySide(const QImage& left, const QImage& right) {
    constexpr int kGap = 16;
    QImage both(left.width() + kGap + right.width(), std::max(left.height(), right.height()),
                QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width() + kGap, 0, right);
    return both;
}

QImage calculatorScene() {
    static const auto main = app::makeMainWindow();
    calc::CalcForm& window = *main;
    window.show();
    for (const char* key : {"B3", "B5", "B5", "delit", "B1", "B1", "B3", "ravno"}) {
        click(window, key);
    }
    // The banner halfway through its text, held still.
    window.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    for (int i = 0; i < 60; ++i) {
        window.scrollBanner();
    }
    settle();
    // The mouse resting on the right-hand link area lights its frame.
    const auto* area = window.findChild<QWidget*>(QStringLiteral("Image2"));
    QCursor::setPos(area->mapToGlobal(area->rect().center()));
    const QImage image = shot(window);
    window.hide();
    return image;
}

QImage equationsScene() {
    auto& chooser = common::showWindow<equations::GForm>();
    click(chooser, "Option2");
    const QImage left = shot(chooser);
    click(chooser, "Command1");
    chooser.hide();
    auto* solver = common::existingWindow<equations::KVURForm>();
    Q_ASSERT(solver);
    click(*solver, "Option2");
    type(*solver, "a", QStringLiteral("1"));
    type(*solver, "b", QStringLiteral("-5"));
    type(*solver, "c", QStringLiteral("4"));
    click(*solver, "Command1");
    const QImage right = shot(*solver);
    solver->hide();
    return sideBySide(left, right);
}

QImage triangleScene() {
    auto& window = common::showWindow<geometry::TreugForm>();
    type(window, "DyA", QStringLiteral("30"));
    type(window, "DsAB", QStringLiteral("10"));
    click(window, "Per");
    const QImage image = shot(window);
    window.hide();
    return image;
}

QImage vectorScene() {
    auto& window = common::showWindow<geometry::VectorForm>();
    type(window, "tx1", QStringLiteral("2"));
    type(window, "ty1", QStringLiteral("3"));
    type(window, "tx2", QStringLiteral("20"));
    type(window, "ty2", QStringLiteral("15"));
    click(window, "Pict");
    type(window, "tx1", QStringLiteral("5"));
    type(window, "ty1", QStringLiteral("17"));
    type(window, "tx2", QStringLiteral("24"));
    type(window, "ty2", QStringLiteral("4"));
    click(window, "Pict");
    click(window, "dlina");
    click(window, "kord");
    click(window, "Command1");
    const QImage image = shot(window);
    window.hide();
    return image;
}

QImage fractionsScene() {
    auto& window = common::showWindow<fractions::DrobForm>();
    type(window, "cl1", QStringLiteral("3"));
    type(window, "zn1", QStringLiteral("4"));
    type(window, "cl2", QStringLiteral("5"));
    type(window, "zn2", QStringLiteral("12"));
    click(window, "sloz");
    const QImage image = shot(window);
    window.hide();
    return image;
}

QImage aboutScene() {
    auto& window = common::showWindow<about::AForm>();
    const QImage image = shot(window);
    window.hide();
    return image;
}

// Not among the published pictures: the linear solver and a message box, to review them.
QImage linearScene() {
    auto& window = common::showWindow<equations::LINURForm>();
    type(window, "a", QStringLiteral("4"));
    type(window, "b", QStringLiteral("-3"));
    type(window, "c", QStringLiteral("7"));
    click(window, "Command2");
    const QImage image = shot(window);
    window.hide();
    return image;
}

QImage messageScene() {
    QImage image;
    QTimer::singleShot(0, [&image] {
        settle();
        QWidget* box = QApplication::activeModalWidget();
        Q_ASSERT(box);
        image = shot(*box);
        box->close();
    });
    common::showMessage(QStringLiteral("Цифроид 2 калькулятор"),
                        QStringLiteral("Введены нечисловые данные"));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("cifroid"));
    QApplication::setWindowIcon(common::suiteIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    common::applySuiteLook(app);

    const std::map<QString, std::function<QImage()>> scenes{
        {QStringLiteral("calculator"), calculatorScene},
        {QStringLiteral("equations"), equationsScene},
        {QStringLiteral("triangle"), triangleScene},
        {QStringLiteral("vector"), vectorScene},
        {QStringLiteral("fractions"), fractionsScene},
        {QStringLiteral("about"), aboutScene},
        {QStringLiteral("linear"), linearScene},
        {QStringLiteral("message"), messageScene},
    };
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: cifroid_screenshots DIR [SCENE...]\n");
        return 2;
    }
    const QDir out(arguments.takeFirst());
    if (arguments.isEmpty()) {
        arguments = {"calculator", "equations", "triangle", "vector", "fractions", "about"};
    }
    // Away from every window, so that only the scene that wants it has the mouse over it.
    QCursor::setPos(0, 0);
    int failed = 0;
    for (const QString& name : std::as_const(arguments)) {
        const auto scene = scenes.find(name);
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (scene == scenes.end() || !scene->second().save(file)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(file));
            ++failed;
        }
        QCursor::setPos(0, 0);
    }
    common::discardAllWindows();
    return failed == 0 ? 0 : 1;
}

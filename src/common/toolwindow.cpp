#include "toolwindow.h"

#include "controls.h"
#include "windowstyle.h"
#include "words.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <utility>

namespace common {

namespace {

std::function<void()>& aboutSlot() {
    static std::function<void()> show;
    return show;
}

} // namespace

ToolWindow::ToolWindow(const char* name, const QString& caption, QWidget* parent)
    : QMainWindow(parent) {
    setName(*this, name);
    setWindowTitle(caption);
    // The flags first: set on a built window, they would polish every control again.
    applyToolWindowStyle(*this);
    body_ = named(new QWidget(this), "body");
    setCentralWidget(body_);
}

void ToolWindow::closeTool() {
    hide();
}

void ToolWindow::addMenus(const ToolMenuNames& names) {
    QMenuBar* bar = menuBar();
    QMenu* file = named(bar->addMenu(words::kFileMenu), names.file);
    QAction* close = named(file->addAction(words::kClose), names.close);
    close->setShortcut(QKeySequence(Qt::Key_F12));
    QMenu* help = named(bar->addMenu(words::kHelpMenu), names.help);
    QAction* about = named(help->addAction(words::kAbout), names.about);
    about->setShortcut(QKeySequence(Qt::Key_F2));
    connect(close, &QAction::triggered, this, &ToolWindow::closeTool);
    connect(about, &QAction::triggered, this, &showAbout);
}

QPushButton* ToolWindow::makeCloseKey(const char* name) {
    QPushButton* key = makeButton(name, words::kClose, body_);
    connect(key, &QPushButton::clicked, this, &ToolWindow::closeTool);
    return key;
}

void ToolWindow::finish(std::initializer_list<QWidget*> tabOrder) {
    QWidget* previous = nullptr;
    for (QWidget* control : tabOrder) {
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    if (tabOrder.size() > 0) {
        (*tabOrder.begin())->setFocus();
    }
    fixSizeAndCenter(*this);
}

void setAboutHandler(std::function<void()> show) {
    aboutSlot() = std::move(show);
}

void showAbout() {
    if (const auto& show = aboutSlot()) {
        show();
    }
}

} // namespace common

#include "toolwindow.h"

#include "controls.h"
#include "spokenmenu.h"
#include "suitelook.h"
#include "windowstyle.h"
#include "words.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
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
    const auto underlined = [](const QString& text) { return QLatin1Char('&') + text; };
    QMenuBar* bar = menuBar();
    QMenu* file = named(bar->addMenu(underlined(words::kFileMenu)), names.file);
    QAction* close = named(file->addAction(underlined(words::kClose)), names.close);
    close->setShortcut(QKeySequence(Qt::Key_F12));
    QMenu* help = named(bar->addMenu(underlined(words::kHelpMenu)), names.help);
    setSpokenName(*help->menuAction(), words::kHelpSpoken);
    QAction* about = named(help->addAction(underlined(words::kAbout)), names.about);
    about->setShortcut(QKeySequence(Qt::Key_F2));
    connect(close, &QAction::triggered, this, &ToolWindow::closeTool);
    connect(about, &QAction::triggered, this, &showAbout);
    openMenusOnF10(*this);
}

QPushButton* ToolWindow::makeCloseKey(const char* name) {
    QPushButton* key = makeButton(name, words::kClose, body_);
    describe(*key, words::kCloseSpoken, words::kCloseDescription);
    connect(key, &QPushButton::clicked, this, &ToolWindow::closeTool);
    return key;
}

QPushButton* ToolWindow::makeMainKey(const char* name, const QString& caption,
                                     const QString& spoken, const QString& description) {
    QPushButton* key = makeButton(name, caption, body_);
    setLook(*key, Look::Action);
    describe(*key, spoken, description);
    setMainKey(*key);
    return key;
}

void ToolWindow::setMainKey(QPushButton& key) {
    key.setAutoDefault(false); // an auto-default key would drop the mark when it loses focus
    key.setDefault(true);
    mainKey_ = &key;
}

void ToolWindow::closeOnF12() {
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, &ToolWindow::closeTool);
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    // Only what the focused control leaves unhandled comes here.
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    if (held != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        closeTool();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
            return;
        }
        if (mainKey_ != nullptr && mainKey_->isEnabled()) {
            mainKey_->click();
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
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

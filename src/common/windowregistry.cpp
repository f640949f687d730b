#include "windowregistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QList>
#include <QPointer>

namespace common {

namespace {

using Kept = QHash<const QMetaObject*, QPointer<QWidget>>;

Kept& kept() {
    static Kept windows;
    return windows;
}

void forget(const QWidget* window) {
    Kept& windows = kept();
    for (auto it = windows.begin(); it != windows.end();) {
        if (it.value() == window || it.value().isNull()) {
            it = windows.erase(it);
        } else {
            ++it;
        }
    }
}

// Watches the kept windows: one closed by its close box is forgotten at once, so the next
// request builds a new one even before the old one is gone.
class Keeper : public QObject {
public:
    explicit Keeper(QObject* parent) : QObject(parent) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [] { discardAllWindows(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) {
            return false;
        }
        // Let the window answer first; only a close it accepts discards it.
        const QPointer<QObject> alive = watched;
        watched->event(event);
        if (alive && event->isAccepted()) {
            forget(static_cast<QWidget*>(watched));
        }
        return true;
    }
};

Keeper& keeper() {
    static QPointer<Keeper> instance;
    if (instance.isNull()) {
        instance = new Keeper(QCoreApplication::instance());
    }
    return *instance;
}

} // namespace

namespace detail {

QWidget* keptWindow(const QMetaObject& kind) {
    return kept().value(&kind);
}

void keepWindow(const QMetaObject& kind, QWidget* window) {
    forget(nullptr); // drops entries of windows that are already gone
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(&keeper());
    kept().insert(&kind, window);
}

void present(QWidget& window) {
    const bool open = window.isVisible();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    if (open) {
        window.raise(); // a window being shown comes up on top anyway
    }
    window.activateWindow();
}

} // namespace detail

void discardAllWindows() {
    const QList<QPointer<QWidget>> windows = kept().values();
    kept().clear();
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
}

} // namespace common

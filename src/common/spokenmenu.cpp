#include "spokenmenu.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStyle>

namespace common {

namespace {

constexpr char kSpokenName[] = "spokenName";
constexpr char kSpokenDescription[] = "spokenDescription";

// The menu bar or menu that shows the action.
QWidget* ownerOf(const QAction& action) {
    const auto objects = action.associatedObjects();
    for (QObject* object : objects) {
        if (qobject_cast<QMenuBar*>(object) != nullptr || qobject_cast<QMenu*>(object) != nullptr) {
            return static_cast<QWidget*>(object);
        }
    }
    return nullptr;
}

// The keys that choose the item: its shortcut, or else Alt and its mnemonic letter.
QString accelerator(const QAction& action) {
    if (!action.shortcut().isEmpty()) {
        return action.shortcut().toString(QKeySequence::NativeText);
    }
    return QKeySequence::mnemonic(action.text()).toString(QKeySequence::NativeText);
}

// A menu title or item that speaks its own name: in all else it behaves as Qt's own menu items
// do (its place, its state, its submenu, pressing or opening it).
class SpokenItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit SpokenItem(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ != nullptr && owner() != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QWidget* own = owner();
        return own != nullptr ? own->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner());
    }
    int childCount() const override { return action_->menu() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu() != nullptr
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* menu = child(0);
        return menu != nullptr && menu->rect().contains(x, y) ? menu : nullptr;
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QRect rect() const override {
        QWidget* own = owner();
        QRect place;
        if (auto* bar = qobject_cast<QMenuBar*>(own)) {
            place = bar->actionGeometry(action_);
        } else if (auto* menu = qobject_cast<QMenu*>(own)) {
            place = menu->actionGeometry(action_);
        }
        return own != nullptr ? place.translated(own->mapToGlobal(QPoint(0, 0))) : place;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        QWidget* own = owner();
        state.invisible = own == nullptr || !own->isVisible() || !action_->isVisible();
        state.disabled = !action_->isEnabled();
        state.checked = action_->isChecked();
        if (auto* bar = qobject_cast<QMenuBar*>(own)) {
            state.focused = bar->activeAction() == action_;
        } else if (auto* menu = qobject_cast<QMenu*>(own)) {
            state.focused = menu->activeAction() == action_;
        }
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name: {
            const QString name = action_->property(kSpokenName).toString();
            return name.isEmpty() ? QString(action_->text()).remove(QLatin1Char('&')) : name;
        }
        case QAccessible::Description:
            return action_->property(kSpokenDescription).toString();
        case QAccessible::Accelerator:
            return accelerator(*action_);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) {
            return;
        }
        if (name == pressAction()) {
            action_->trigger();
        } else if (name == showMenuAction()) {
            if (auto* bar = qobject_cast<QMenuBar*>(owner())) {
                bar->setActiveAction(action_);
            } else if (auto* menu = qobject_cast<QMenu*>(owner())) {
                menu->setActiveAction(action_);
            }
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QWidget* owner() const { return action_ != nullptr ? ownerOf(*action_) : nullptr; }

    QPointer<QAction> action_;
};

QAccessibleInterface* spokenItems(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || action == nullptr ||
        !action->property(kSpokenName).isValid()) {
        return nullptr;
    }
    return new SpokenItem(action);
}

} // namespace

void setSpokenName(QAction& action, const QString& name, const QString& description) {
    static const bool installed = [] {
        QAccessible::installFactory(spokenItems);
        return true;
    }();
    Q_UNUSED(installed);
    action.setProperty(kSpokenName, name);
    action.setProperty(kSpokenDescription, description);
}

void openMenusOnF10(QMainWindow& window) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    QObject::connect(f10, &QShortcut::activated, &window, [&window] {
        QMenuBar* bar = window.menuBar();
        const auto menus = bar->actions();
        if (!menus.isEmpty()) {
            bar->setFocus(Qt::ShortcutFocusReason);
            bar->setActiveAction(menus.first());
        }
    });
}

} // namespace common

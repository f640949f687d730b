#include "linkarea.h"

#include "common/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace calc {

namespace {

// A link area as a screen reader meets it: a link that can be followed.
class LinkInterface : public QAccessibleWidget {
public:
    explicit LinkInterface(LinkArea* area) : QAccessibleWidget(area, QAccessible::Link) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            static_cast<LinkArea*>(widget())->activate();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* linkInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("calc::LinkArea")) {
        return new LinkInterface(static_cast<LinkArea*>(object));
    }
    return nullptr;
}

} // namespace

LinkArea::LinkArea(const char* name, const QString& spokenName, const QString& description,
                   QWidget* parent)
    : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    Q_UNUSED(installed);
    common::setName(*this, name);
    setAccessibleName(spokenName);
    setAccessibleDescription(description);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    // Tab reaches it; a click opens the page but leaves the focus on the keys.
    setFocusPolicy(Qt::TabFocus);
}

void LinkArea::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace calc

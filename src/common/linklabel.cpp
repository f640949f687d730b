#include "linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace common {

namespace {

constexpr int kRingRoom = 2; // beside the text, for the focus ring

// The link as screen readers meet it: role Link, named by its text, pressed to open.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return link().text();
        }
        return QAccessibleWidget::text(kind);
    }
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
            link().activate();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    LinkLabel& link() const { return *static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkInterfaces(const QString& className, QObject* object) {
    if (className != QLatin1String(LinkLabel::staticMetaObject.className())) {
        return nullptr;
    }
    auto* link = qobject_cast<LinkLabel*>(object);
    return link != nullptr ? new LinkAccessible(link) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool installed = [] {
        QAccessible::installFactory(linkInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(kRingRoom, 0, kRingRoom, 0);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::activate() {
    emit activated();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            activate();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!focusRing_ || !hasFocus()) {
        return;
    }
    // The ring goes around the text, which may be shorter than the label's place, in the colour
    // the suite's keys and boxes show their focus with.
    const QRect text =
        fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()), this->text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawRoundedRect(
        QRectF(text.adjusted(-2, 0, 2, 0).intersected(rect())).adjusted(0.75, 0.75, -0.75, -0.75),
        2, 2);
}

} // namespace common

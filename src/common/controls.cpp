#include "controls.h"

#include "keypad.h"
#include "numtext.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

namespace common {

void setName(QObject& object, const char* name) {
    object.setObjectName(QString::fromLatin1(name));
}

namespace {

// Turns the keypad's decimal key into a typed comma in the boxes it watches.
class KeypadComma : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool keypad = key->modifiers().testFlag(Qt::KeypadModifier) ||
                            isKeypadKeysym(key->nativeVirtualKey());
        const bool decimal = key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma;
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!keypad || !decimal || box == nullptr || box->isReadOnly()) {
            return false;
        }
        box->insert(QStringLiteral(","));
        return true;
    }
};

} // namespace

void typeCommaOnKeypad(QLineEdit& box) {
    static auto* const filter = new KeypadComma(QCoreApplication::instance());
    box.installEventFilter(filter);
}

QLineEdit* makeBox(const char* name, const QString& accessibleName, QWidget* parent,
                   const QString& text) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setAccessibleName(accessibleName);
    typeCommaOnKeypad(*box);
    return box;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

void describe(QWidget& control, const QString& spokenName, const QString& description) {
    if (!spokenName.isEmpty()) {
        control.setAccessibleName(spokenName);
    }
    control.setAccessibleDescription(description);
    if (qobject_cast<QAbstractButton*>(&control) != nullptr) {
        control.setToolTip(description);
    }
}

int boxWidthFor(const QLineEdit& box, const QString& sample) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins margins = box.textMargins();
    // The box's own room around its text, two pixels each side inside the frame, and the
    // cursor's.
    const QSize text(box.fontMetrics().horizontalAdvance(sample) + margins.left() +
                         margins.right() + 6,
                     box.fontMetrics().height());
    return box.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &box).width();
}

int numberBoxWidth(const QLineEdit& box) {
    return boxWidthFor(box, QStringLiteral("-8,88888888888888E-308"));
}

void showText(QLineEdit& box, const QString& text) {
    box.setText(text);
    box.setCursorPosition(0);
}

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

void setPageMargins(QLayout& page) {
    page.setContentsMargins(16, 12, 16, 12);
}

void addCloseLine(QBoxLayout& page, QPushButton& close) {
    auto* line = new QHBoxLayout;
    line->addStretch(1);
    line->addWidget(&close);
    page.addLayout(line);
}

namespace {

// Where a box keeps the value it was written for, and that text.
constexpr char kKeptValue[] = "keptNumber";
constexpr char kKeptText[] = "keptNumberText";

} // namespace

void showNumber(QLineEdit& box, const Number& value) {
    const QString text = formatNumber(value);
    showText(box, text);
    box.setProperty(kKeptValue, QVariant::fromValue(value));
    box.setProperty(kKeptText, text);
}

std::optional<Number> readBox(QLineEdit& box, const QString& whenEmpty, const Report& report) {
    if (box.text().isEmpty()) {
        box.setText(whenEmpty);
    }
    const QVariant kept = box.property(kKeptValue);
    if (kept.isValid() && box.property(kKeptText).toString() == box.text()) {
        return kept.value<Number>();
    }
    return checkedNumber(box.text(), report);
}

} // namespace common

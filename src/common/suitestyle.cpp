#include "suitestyle.h"

#include "chevronicon.h"
#include "suitelook.h"

#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace common {

namespace {

constexpr qreal kKeyRadius = 5;
constexpr qreal kBoxRadius = 3;
constexpr int kKeyPaddingX = 10; // between a key's caption and its border
constexpr int kKeyPaddingY = 6;

QVariant lookOf(const QWidget* widget) {
    return widget != nullptr ? widget->property(kLookProperty) : QVariant();
}

bool isCompactKey(const QWidget* widget) {
    return widget != nullptr && widget->property(kCompactKeyProperty).toBool();
}

// A ring that shows on the colour beneath it.
QColor ringOn(const QColor& fill, const QPalette& palette) {
    return fill.lightness() < 140 ? QColor(Qt::white) : palette.color(QPalette::Highlight);
}

} // namespace

SuiteStyle::SuiteStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setObjectName(QStringLiteral("cifroid"));
}

void SuiteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelButtonCommand:
        drawKey(*option, *painter);
        return;
    case PE_FrameFocusRect:
        if (qobject_cast<const QPushButton*>(widget) != nullptr) {
            return; // the key's ring shows its focus
        }
        break;
    case PE_FrameGroupBox:
        drawGroupFrame(*option, *painter, widget);
        return;
    case PE_PanelLineEdit:
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame != nullptr && frame->lineWidth > 0) {
            drawTextBox(*option, *painter, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SuiteStyle::drawKey(const QStyleOption& option, QPainter& painter) const {
    const QPalette& palette = option.palette;
    const bool enabled = option.state.testFlag(State_Enabled);
    const bool down = option.state & (State_Sunken | State_On);
    QColor fill = palette.color(QPalette::Button);
    if (down) {
        fill = fill.darker(118);
    }
    QColor border = fill.darker(150);
    if (enabled && option.state.testFlag(State_MouseOver) && !down) {
        border = palette.color(QPalette::Highlight).darker(115);
    }
    if (!enabled) {
        fill = palette.color(QPalette::Window);
        border = palette.color(QPalette::Mid);
    }
    // The window's default key, the one Enter presses, has a border twice as heavy and darker.
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(&option);
    const bool isDefault = enabled && button != nullptr &&
                           button->features.testFlag(QStyleOptionButton::DefaultButton);
    const qreal borderWidth = isDefault ? 2 : 1;
    if (isDefault) {
        border = fill.darker(option.state.testFlag(State_MouseOver) ? 140 : 190);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border, borderWidth));
    painter.setBrush(fill);
    const qreal half = borderWidth / 2;
    painter.drawRoundedRect(QRectF(option.rect).adjusted(half, half, -half, -half), kKeyRadius,
                            kKeyRadius);
    if (option.state.testFlag(State_HasFocus) && enabled) {
        // Inside the border, over the key's own padding: the caption keeps its place.
        const qreal inset = borderWidth + 1;
        painter.setPen(QPen(ringOn(fill, palette), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(option.rect).adjusted(inset, inset, -inset, -inset),
                                kKeyRadius - 1.5, kKeyRadius - 1.5);
    }
    painter.restore();
}

void SuiteStyle::drawTextBox(const QStyleOption& option, QPainter& painter,
                             const QWidget* widget) const {
    const QPalette& palette = option.palette;
    const bool display = lookOf(widget) == QVariant(static_cast<int>(Look::Display));
    const qreal width = display ? 2 : 1;
    QColor border = palette.color(QPalette::Dark);
    if (option.state.testFlag(State_HasFocus) && !display) {
        border = palette.color(QPalette::Highlight);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border, width));
    painter.setBrush(palette.brush(QPalette::Base));
    const qreal inset = width / 2;
    painter.drawRoundedRect(QRectF(option.rect).adjusted(inset, inset, -inset, -inset),
                            display ? kBoxRadius + 1 : kBoxRadius,
                            display ? kBoxRadius + 1 : kBoxRadius);
    painter.restore();
}

void SuiteStyle::drawGroupFrame(const QStyleOption& option, QPainter& painter,
                                const QWidget* widget) const {
    // As in the base style the frame begins under the title, if there is one; it is a rounded
    // panel a shade lighter than the case.
    constexpr int kGap = 3;
    int top = kGap;
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    if (group == nullptr || group->isCheckable() || !group->title().isEmpty()) {
        top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, &option, widget),
                    option.fontMetrics.height());
    }
    const QRectF frame = QRectF(option.rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = option.palette.color(QPalette::Dark);
    border.setAlpha(150);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border);
    painter.setBrush(option.palette.color(QPalette::Window).lighter(103));
    painter.drawRoundedRect(frame, kKeyRadius, kKeyRadius);
    painter.restore();
}

int SuiteStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    switch (metric) {
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 0; // a pressed key's caption stays where it is
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize SuiteStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                   const QSize& contents, const QWidget* widget) const {
    // A compact key is as small as its caption allows; its layout decides how much larger it
    // grows. Other keys keep the base style's minimum width.
    if (type == CT_PushButton && isCompactKey(widget)) {
        return {contents.width() + 2 * kKeyPaddingX, contents.height() + 2 * kKeyPaddingY};
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

int SuiteStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon SuiteStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
        return chevronIcon(Qt::Horizontal);
    case SP_ToolBarVerticalExtensionButton:
        return chevronIcon(Qt::Vertical);
    default:
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}

} // namespace common

#include "vectorkey.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace geometry {

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

} // namespace

WrappingKey::WrappingKey(const QString& caption, const QString& widestLine, QWidget* parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(widestLine);
    const auto words = caption.split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : words) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    setFixedWidth(widest + padding().width());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize WrappingKey::padding() const {
    // What the style puts around a caption, measured on one wider than any minimum.
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize probe(400, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, probe, this) - probe;
}

QSize WrappingKey::sizeHint() const {
    ensurePolished();
    const QSize pad = padding();
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, width() - pad.width(), 10000),
                                                  kTextFlags, this->text());
    return {width(), text.height() + pad.height()};
}

QSize WrappingKey::minimumSizeHint() const {
    return sizeHint();
}

void WrappingKey::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The caption gets the room sizeHint() measured it in.
    const QSize pad = padding();
    QRect area =
        rect().adjusted(pad.width() / 2, pad.height() / 2, -(pad.width() - pad.width() / 2),
                        -(pad.height() - pad.height() / 2));
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(area, kTextFlags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

} // namespace geometry

#include "bannerview.h"

#include "banner.h"
#include "calcstyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QtMath>

namespace calc {

namespace {

constexpr int kFrame = 1;   // the box's border
constexpr int kPadding = 4; // between the border and the line, at the top and bottom
constexpr int kInset = 4;   // between the border and the line, at the sides
constexpr int kSmallestFont = 6;

// The line as a screen reader meets it: a label, read by its fixed name.
QAccessibleInterface* lineInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(BannerView::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    return nullptr;
}

// The largest fixed-pitch font whose widest letter fits a column and whose lines fit the box.
QFont fontFor(qreal columnWidth, int height) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int pixels = height; pixels > kSmallestFont; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(QChar(u'Щ')) <= columnWidth && metrics.height() <= height) {
            break;
        }
    }
    return font;
}

} // namespace

BannerView::BannerView(QWidget* parent) : QWidget(parent), column_(Banner::kWidth) {
    static const bool installed = [] {
        QAccessible::installFactory(lineInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("bStr"));
    setFocusPolicy(Qt::NoFocus);
    // Opaque, so that a tick moves the pixels already shown instead of painting them again.
    setAutoFillBackground(true);
    styleBanner(*this);
    setAccessibleName(QStringLiteral("Бегущая строка"));
    QStringList texts;
    for (const QString& text : Banner::texts()) {
        texts << text.trimmed();
    }
    setAccessibleDescription(texts.join(QLatin1Char(' ')));
}

void BannerView::follow(const Banner& banner) {
    if (banner.text() != text_) {
        text_ = banner.text();
        column_ = banner.column();
        strip_ = QPixmap();
        update(lineRect());
        return;
    }
    const int from = column_;
    column_ = banner.column();
    // Only the text moves: once its end is inside the line, the column it leaves is the one
    // painted, a new place at every tick.
    const QRect moved = (stripRect(from) | stripRect(column_)) & lineRect();
    if (from != column_ && !moved.isEmpty()) {
        scroll(stripX(column_) - stripX(from), 0, moved);
    }
}

QRect BannerView::lineRect() const {
    return rect().adjusted(kFrame + kInset, kFrame + kPadding, -kFrame - kInset,
                           -kFrame - kPadding);
}

qreal BannerView::columnWidth() const {
    return static_cast<qreal>(lineRect().width()) / Banner::kWidth;
}

int BannerView::stripX(int column) const {
    return lineRect().left() + qRound(column * columnWidth());
}

QRect BannerView::stripRect(int column) const {
    const QRect line = lineRect();
    const int width = qCeil(static_cast<qreal>(text_.size()) * columnWidth());
    return {stripX(column), line.top(), width, line.height()};
}

// As high as a one-line text box; the window decides the width.
QSize BannerView::sizeHint() const {
    return {Banner::kWidth, fontMetrics().height() + 2 * (kFrame + kPadding)};
}

QSize BannerView::minimumSizeHint() const {
    return sizeHint();
}

void BannerView::drawStrip() {
    const qreal column = columnWidth();
    const QRect line = lineRect();
    const qreal ratio = devicePixelRatioF();
    strip_ = QPixmap((QSizeF(stripRect(column_).size()) * ratio).toSize());
    strip_.setDevicePixelRatio(ratio);
    strip_.fill(palette().color(QPalette::Base));
    QPainter painter(&strip_);
    painter.setFont(fontFor(column, line.height()));
    painter.setPen(palette().color(QPalette::Text));
    // One character to a column, whatever font draws it.
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const QRectF cell(static_cast<qreal>(i) * column, 0, column, line.height());
        painter.drawText(cell, Qt::AlignCenter, QString(text_.at(i)));
    }
}

void BannerView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect line = lineRect();
    if (line.contains(event->rect())) {
        // A tick: a column inside the frame.
        painter.fillRect(event->rect(), palette().color(QPalette::Base));
    } else {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = kFrame;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    }
    const QRect shown = stripRect(column_) & line & event->rect();
    if (text_.isEmpty() || shown.isEmpty()) {
        return;
    }
    if (strip_.isNull()) {
        drawStrip();
    }
    // Only the part shown: the source rectangle is in the strip's pixels.
    const qreal ratio = strip_.devicePixelRatio();
    const QPoint from = shown.topLeft() - QPoint(stripX(column_), line.top());
    painter.drawPixmap(QRectF(shown), strip_,
                       QRectF(QPointF(from) * ratio, QSizeF(shown.size()) * ratio));
}

void BannerView::resizeEvent(QResizeEvent* event) {
    strip_ = QPixmap(); // the columns have a new width
    QWidget::resizeEvent(event);
}

} // namespace calc

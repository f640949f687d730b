#include "chevronicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

namespace common {

namespace {

class ChevronEngine final : public QIconEngine {
public:
    explicit ChevronEngine(Qt::Orientation bar) : bar_(bar) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QGuiApplication::palette();
        const QColor ink = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->translate(QRectF(rect).center());
        if (bar_ == Qt::Vertical) {
            painter->rotate(90);
        }
        const qreal unit = qMin(rect.width(), rect.height()) / 8.0;
        for (const qreal shift : {-1.5, 1.5}) {
            const QPointF points[] = {{shift * unit - unit, -2 * unit},
                                      {shift * unit + unit, 0},
                                      {shift * unit - unit, 2 * unit}};
            painter->drawPolyline(points, 3);
        }
        painter->restore();
    }

    QIconEngine* clone() const override { return new ChevronEngine(bar_); }

private:
    Qt::Orientation bar_;
};

} // namespace

QIcon chevronIcon(Qt::Orientation bar) {
    return QIcon(new ChevronEngine(bar));
}

} // namespace common

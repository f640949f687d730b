#include "vectorplane.h"

#include "common/controls.h"
#include "common/twips.h"
#include "common/windowstyle.h"

#include <QFrame>
#include <QLabel>
#include <QList>
#include <QPainter>
#include <algorithm>

namespace geometry {

namespace {

constexpr int kLabelSize = 255;
constexpr double kMinStartRadius = 2; // pixels: the start's circle stays a visible dot
const QColor kRed(255, 0, 0);

void addAxis(const char* name, QRect place, QWidget* parent) {
    auto* axis = common::named(new QFrame(parent), name);
    axis->setGeometry(place);
    axis->setAutoFillBackground(true);
    QPalette colours = axis->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::WindowText));
    axis->setPalette(colours);
}

void addLabel(const char* name, const QString& text, QRect place, QWidget* parent) {
    common::makeLabel(name, text, parent)->setGeometry(place);
}

} // namespace

// The red lines and circles, on top of the axes and labels so that a vector along an axis
// still shows; clicks go through to what lies below.
class VectorPlane::Drawings : public QWidget {
public:
    explicit Drawings(VectorPlane* plane) : QWidget(plane), plane_(*plane) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void add(const QLineF& vector, int scale) {
        list_.append({vector, scale});
        update();
    }

    void clear() {
        list_.clear();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(kRed, 1));
        painter.setBrush(Qt::NoBrush);

        const double pixelsPerTwip = plane_.toPixels({1, kTop}).x();
        const double radius = std::max(kStartRadius * pixelsPerTwip, kMinStartRadius);
        // This part in twips, with room for a stroke just outside it; everything is cut to it
        // before it becomes pixels, so far-off points neither hang the painter nor wrap around.
        const double margin = (radius + 1) / pixelsPerTwip;
        const QRectF bounds =
            QRectF(0, kTop, kWidth, kBottom - kTop).adjusted(-margin, -margin, margin, margin);

        for (const Drawing& drawing : std::as_const(list_)) {
            const QPointF start = planeToTwips(drawing.vector.p1(), drawing.scale);
            const QPointF end = planeToTwips(drawing.vector.p2(), drawing.scale);
            if (const auto line = clipLine({start, end}, bounds)) {
                painter.drawLine(QLineF(plane_.toPixels(line->p1()), plane_.toPixels(line->p2())));
            }
            if (bounds.contains(start)) {
                painter.drawEllipse(plane_.toPixels(start), radius, radius);
            }
        }
    }

private:
    struct Drawing {
        QLineF vector;
        int scale;
    };

    const VectorPlane& plane_;
    QList<Drawing> list_;
};

VectorPlane::VectorPlane(QWidget* parent) : QWidget(parent), scale_(common::placeScale(*this)) {
    setObjectName(QStringLiteral("plane"));
    setAccessibleName(QStringLiteral("координатная плоскость"));
    setFixedSize(common::twipsToPixels(kWidth, scale_),
                 common::twipsToPixels(kBottom - kTop, scale_));

    const QPoint corner = toPixels(kPlaneOrigin).toPoint();
    const QPoint xEnd = toPixels({3600, kPlaneOrigin.y()}).toPoint();
    addAxis("Line1", QRect(corner.x(), 0, 1, corner.y() + 1), this);
    addAxis("Line2", QRect(corner.x(), corner.y(), xEnd.x() - corner.x() + 1, 1), this);
    addLabel("Label6", QStringLiteral("0"), placeOf(120, 5640, kLabelSize, kLabelSize), this);
    addLabel("Label7", QStringLiteral("X"), placeOf(3360, 5760, kLabelSize, kLabelSize), this);
    addLabel("Label8", QStringLiteral("Y"), placeOf(30, 3240, kLabelSize, kLabelSize), this);
    addLabel("Label10", QStringLiteral("Жирная точка - начало вектора"),
             placeOf(240, 5840, kWidth - 240, kBottom - 5840), this);

    drawings_ = new Drawings(this);
    drawings_->setGeometry(rect());
}

QRect VectorPlane::placeOf(int left, int top, int width, int height) const {
    return common::twipsRect(left, top - kTop, width, height, scale_);
}

QPointF VectorPlane::toPixels(QPointF twips) const {
    const qreal perTwip = scale_ / common::kTwipsPerPixel;
    return {twips.x() * perTwip, (twips.y() - kTop) * perTwip};
}

void VectorPlane::addVector(const QLineF& vector, int scale, const QString& spoken) {
    drawings_->add(vector, scale);
    spoken_ << spoken;
    setAccessibleDescription(spoken_.join(QStringLiteral("; ")));
}

void VectorPlane::erase() {
    drawings_->clear();
    spoken_.clear();
    setAccessibleDescription({});
}

} // namespace geometry

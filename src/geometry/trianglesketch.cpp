#include "trianglesketch.h"

#include "common/controls.h"
#include "common/windowstyle.h"

#include <QLabel>
#include <QPainter>

namespace geometry {

namespace {

// The corners at 96 dpi; larger dpis draw the sketch larger in proportion.
constexpr QPoint kA{26, 8};
constexpr QPoint kC{26, 64};
constexpr QPoint kB{146, 64};
constexpr int kMark = 8;          // side of the right-angle mark at C
constexpr int kLetterOffset = 14; // from a corner to the middle of its letter

// One side of the triangle, a control of its own lying over the segment it draws.
class Segment : public QWidget {
public:
    Segment(const char* name, QPoint from, QPoint to, QWidget* parent)
        : QWidget(parent), from_(from), to_(to) {
        common::setName(*this, name);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(QRect(from, to).normalized().adjusted(-2, -2, 2, 2));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, from_.x() != to_.x() && from_.y() != to_.y());
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawLine(from_ - pos(), to_ - pos());
    }

private:
    QPoint from_;
    QPoint to_;
};

void letter(const char* name, const QString& text, QPoint centre, QWidget* parent) {
    QLabel* label = common::makeLabel(name, text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    QRect place = label->rect();
    place.moveCenter(centre);
    label->setGeometry(place);
}

} // namespace

TriangleSketch::TriangleSketch(QWidget* parent)
    : QWidget(parent), scale_(common::placeScale(*this)) {
    common::setName(*this, "sketch");
    setAccessibleName(QStringLiteral("прямоугольный треугольник ABC с прямым углом C"));
    const QPoint a = scaled(kA);
    const QPoint b = scaled(kB);
    const QPoint c = scaled(kC);
    const QPoint offset(qRound(kLetterOffset * scale_), 0);
    new Segment("Line2", a, c, this);
    new Segment("Line3", c, b, this);
    new Segment("Line4", a, b, this);
    letter("Label9", QStringLiteral("C"), c - offset, this);
    letter("Label10", QStringLiteral("A"), a - offset, this);
    letter("Label11", QStringLiteral("B"), b + offset, this);
}

QPoint TriangleSketch::scaled(QPoint point) const {
    return {qRound(point.x() * scale_), qRound(point.y() * scale_)};
}

QSize TriangleSketch::sizeHint() const {
    const QPoint corner = scaled(kB + QPoint(24, 10));
    return {corner.x(), corner.y()};
}

void TriangleSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QPoint c = scaled(kC);
    const int mark = qRound(kMark * scale_);
    painter.drawPolyline(
        QPolygon{{c.x(), c.y() - mark}, {c.x() + mark, c.y() - mark}, {c.x() + mark, c.y()}});
}

} // namespace geometry

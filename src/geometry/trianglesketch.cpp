#include "trianglesketch.h"

#include "common/controls.h"

#include <QLabel>
#include <QPainter>

namespace geometry {

namespace {

constexpr QPoint kA{26, 8};
constexpr QPoint kC{26, 64};
constexpr QPoint kB{146, 64};
constexpr int kMark = 8; // side of the right-angle mark at C

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

TriangleSketch::TriangleSketch(QWidget* parent) : QWidget(parent) {
    common::setName(*this, "sketch");
    new Segment("Line2", kA, kC, this);
    new Segment("Line3", kC, kB, this);
    new Segment("Line4", kA, kB, this);
    letter("Label9", QStringLiteral("C"), kC + QPoint(-14, 0), this);
    letter("Label10", QStringLiteral("A"), kA + QPoint(-14, 0), this);
    letter("Label11", QStringLiteral("B"), kB + QPoint(14, 0), this);
}

QSize TriangleSketch::sizeHint() const {
    return {kB.x() + 24, kC.y() + 10};
}

void TriangleSketch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawPolyline(QPolygon{
        {kC.x(), kC.y() - kMark}, {kC.x() + kMark, kC.y() - kMark}, {kC.x() + kMark, kC.y()}});
}

} // namespace geometry

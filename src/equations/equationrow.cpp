#include "equationrow.h"

#include "common/controls.h"

#include <QBoxLayout>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtMath>
#include <algorithm>

namespace equations {

namespace {

constexpr int kGap = 6; // between a box and the characters before it

} // namespace

// The row's label. Its text stays as given; it is drawn with every run of blanks inside it as
// wide as a box's place, and without the blanks it opens with. A lone blank keeps its width.
class EquationRow::Text : public QLabel {
public:
    Text(const QString& text, qreal place, QWidget* parent) : QLabel(text, parent), place_(place) {}

    qreal place() const { return place_; }

    // Where the character at `index` begins.
    qreal xOf(qsizetype index) const {
        const QFontMetricsF metrics(font());
        const QString& line = text();
        qreal x = 0;
        for (qsizetype i = 0; i < index && i < line.size();) {
            const qsizetype end = runEnd(i);
            const qsizetype upTo = std::min(end, index);
            if (line.at(i) != u' ') {
                x += metrics.horizontalAdvance(line.mid(i, upTo - i));
            } else if (end - i > 1 && i > 0) {
                x += place_ * static_cast<qreal>(upTo - i) / static_cast<qreal>(end - i);
            } else if (i > 0) {
                x += metrics.horizontalAdvance(u' ');
            }
            i = end;
        }
        return x;
    }

    QSize sizeHint() const override {
        return {qCeil(xOf(text().size())), QFontMetrics(font()).height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        const QFontMetricsF metrics(font());
        const qreal baseline = (height() - metrics.height()) / 2 + metrics.ascent();
        const QString& line = text();
        for (qsizetype i = 0; i < line.size();) {
            const qsizetype end = runEnd(i);
            if (line.at(i) != u' ') {
                painter.drawText(QPointF(xOf(i), baseline), line.mid(i, end - i));
            }
            i = end;
        }
    }

private:
    // The end of the run of blanks, or of other characters, that starts at `index`.
    qsizetype runEnd(qsizetype index) const {
        const QString& line = text();
        const bool blank = line.at(index) == u' ';
        qsizetype end = index + 1;
        while (end < line.size() && (line.at(end) == u' ') == blank) {
            ++end;
        }
        return end;
    }

    qreal place_;
};

EquationRow::EquationRow(const QString& labelName, const QString& text, int boxWidth,
                         int spaceAfter, QWidget* parent)
    : QWidget(parent), label_(new Text(text, kGap + boxWidth + spaceAfter, this)),
      boxWidth_(boxWidth) {
    label_->setObjectName(labelName);
    label_->adjustSize();
}

QLabel& EquationRow::label() const {
    return *label_;
}

int EquationRow::textX(qsizetype index) const {
    return label_->x() + qRound(label_->xOf(index));
}

void EquationRow::placeBox(QLineEdit& box, qsizetype at) {
    box.setParent(this);
    box.setGeometry(textX(at) + kGap, 0, boxWidth_, box.sizeHint().height());
}

void EquationRow::placeBoxBefore(QLineEdit& box) {
    box.setParent(this);
    box.setGeometry(0, 0, boxWidth_, box.sizeHint().height());
    label_->move(boxWidth_ + kGap, label_->y());
}

void EquationRow::finish() {
    int height = label_->height();
    const auto boxes = findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    for (const QLineEdit* box : boxes) {
        height = std::max(height, box->height());
    }
    label_->move(label_->x(), (height - label_->height()) / 2);
    const QRect covered = childrenRect();
    setFixedSize(covered.right() + 1, height);
}

int coefficientBoxWidth(const QLineEdit& box) {
    return common::boxWidthFor(box, QStringLiteral("-888888888888"));
}

QVBoxLayout* makeLines(QWidget& body) {
    auto* lines = new QVBoxLayout(&body);
    common::setPageMargins(*lines);
    lines->setSpacing(8);
    return lines;
}

void addEquationLine(QBoxLayout& page, EquationRow& row, QPushButton& solve) {
    auto* line = new QHBoxLayout;
    line->setSpacing(12);
    line->addWidget(&row);
    line->addStretch(1);
    line->addWidget(&solve);
    page.addLayout(line);
}

} // namespace equations

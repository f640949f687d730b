#include "equationrow.h"

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

constexpr int kGap = 3; // between a box and the characters beside it

} // namespace

// The row's label. Its text stays as given; it is drawn with the blanks of every run of them
// as wide as the row asks, so that the boxes fit over the runs. A lone blank keeps its width.
class EquationRow::Text : public QLabel {
public:
    Text(const QString& text, qreal blankAdvance, QWidget* parent)
        : QLabel(text, parent), blankAdvance_(blankAdvance) {}

    qreal blankAdvance() const { return blankAdvance_; }

    // Where the character at `index` begins.
    qreal xOf(qsizetype index) const {
        const QFontMetricsF metrics(font());
        const QString& line = text();
        qreal x = 0;
        for (qsizetype i = 0; i < index && i < line.size();) {
            const qsizetype end = runEnd(i);
            if (line.at(i) == u' ' && end - i > 1) {
                x += blankAdvance_ * static_cast<qreal>(std::min(end, index) - i);
            } else {
                x += metrics.horizontalAdvance(line.mid(i, std::min(end, index) - i));
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

    qreal blankAdvance_;
};

EquationRow::EquationRow(const QString& labelName, const QString& text, int blankCount,
                         int blankWidth, QWidget* parent)
    : QWidget(parent), label_(new Text(text, static_cast<qreal>(blankWidth) / blankCount, this)) {
    label_->setObjectName(labelName);
    label_->adjustSize();
}

QLabel& EquationRow::label() const {
    return *label_;
}

int EquationRow::textX(qsizetype index) const {
    const qsizetype size = label_->text().size();
    const qreal beyond = static_cast<qreal>(std::max<qsizetype>(index - size, 0));
    return label_->x() + qRound(label_->xOf(index) + beyond * label_->blankAdvance());
}

void EquationRow::placeBox(QLineEdit& box, qsizetype from, qsizetype to) {
    const int left = textX(from) + kGap;
    box.setParent(this);
    box.setGeometry(left, 0, textX(to) - kGap - left, box.sizeHint().height());
}

void EquationRow::placeBoxBefore(QLineEdit& box, int width) {
    box.setParent(this);
    box.setGeometry(0, 0, width, box.sizeHint().height());
    label_->move(width + kGap, label_->y());
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

void addEquationLine(QBoxLayout& page, EquationRow& row, QPushButton& solve) {
    auto* line = new QHBoxLayout;
    line->setSpacing(12);
    line->addWidget(&row);
    line->addStretch(1);
    line->addWidget(&solve);
    page.addLayout(line);
}

} // namespace equations

#include "fractionlayout.h"

#include "common/controls.h"
#include "common/suitelook.h"
#include "common/words.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace fractions {

namespace {

constexpr int kFractionGap = 28;
constexpr int kBarWidth = 2;

// Grid columns: fraction 1, a gap, fraction 2, the equals sign, the result.
constexpr std::array<int, 3> kColumns{0, 2, 4};
constexpr int kEqualsColumn = 3;
constexpr int kHeadingRow = 0;
constexpr int kNumeratorRow = 1;
constexpr int kBarRow = 2;
constexpr int kDenominatorRow = 3;

void placeFraction(QGridLayout& grid, QWidget& body, int column, const char* heading,
                   const QString& caption, const FractionBoxes& boxes) {
    QLabel* label = common::makeLabel(heading, caption, &body);
    label->setBuddy(boxes.numerator);
    grid.addWidget(label, kHeadingRow, column, Qt::AlignHCenter | Qt::AlignBottom);
    for (QLineEdit* box : {boxes.numerator, boxes.denominator}) {
        box->setParent(&body);
        box->setFixedWidth(common::numberBoxWidth(*box));
        box->setAlignment(Qt::AlignCenter);
    }
    grid.addWidget(boxes.numerator, kNumeratorRow, column);
    grid.addWidget(boxes.denominator, kDenominatorRow, column);
}

// The fraction bar: one line under the three numerators, from fraction 1 across fraction 2 and
// "=" to the end of the result.
class FractionBar : public QWidget {
public:
    explicit FractionBar(QWidget& body) : QWidget(&body) {
        common::setName(*this, "Line1");
        setFixedHeight(kBarWidth + 6);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, (height() - kBarWidth) / 2, width(), kBarWidth,
                         palette().color(QPalette::WindowText));
    }
};

// "   =" between fraction 2 and the result, sitting just over the bar.
QLabel* makeEquals(QWidget& body) {
    auto* equals = common::makeLabel("Label2", QStringLiteral("   ="), &body);
    QFont font = equals->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    equals->setFont(font);
    const QFontMetrics metrics = equals->fontMetrics();
    equals->setContentsMargins(0, metrics.height() / 3,
                               metrics.horizontalAdvance(QStringLiteral("  ")), 0);
    return equals;
}

QGridLayout* fractionGrid(QWidget& body, const std::array<FractionBoxes, 3>& fractions) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(1, kFractionGap);
    placeFraction(*grid, body, kColumns[0], "Label4", QStringLiteral("Дробь #1"), fractions[0]);
    placeFraction(*grid, body, kColumns[1], "Label5", QStringLiteral("Дробь #2"), fractions[1]);
    placeFraction(*grid, body, kColumns[2], "Label6", QStringLiteral("Итог"), fractions[2]);
    grid->addWidget(new FractionBar(body), kBarRow, 0, 1, kColumns[2] + 1);
    grid->addWidget(makeEquals(body), kNumeratorRow, kEqualsColumn, 1, 1,
                    Qt::AlignHCenter | Qt::AlignBottom);
    return grid;
}

} // namespace

Keys layOutFractions(QWidget& body, const std::array<FractionBoxes, 3>& fractions,
                     QLineEdit& decimal, QPushButton& close) {
    const Keys keys{
        common::makeButton("sloz", QStringLiteral("Сложить ( + )"), &body),
        common::makeButton("vct", QStringLiteral("Вычесть  ( - )"), &body),
        common::makeButton("umn", QStringLiteral("Умножить ( * )"), &body),
        common::makeButton("razdelit", QStringLiteral("Разделить ( / )"), &body),
    };
    common::describe(*keys.add, QStringLiteral("сложить"),
                     QStringLiteral("Сложить дробь 1 и дробь 2"));
    common::describe(*keys.subtract, QStringLiteral("вычесть"),
                     QStringLiteral("Вычесть дробь 2 из дроби 1"));
    common::describe(*keys.multiply, QStringLiteral("умножить"),
                     QStringLiteral("Умножить дробь 1 на дробь 2"));
    common::describe(*keys.divide, QStringLiteral("разделить"),
                     QStringLiteral("Разделить дробь 1 на дробь 2"));
    for (QLineEdit* denominator : {fractions[0].denominator, fractions[1].denominator}) {
        common::describe(*denominator, {}, common::words::kNotZero);
    }
    common::describe(decimal, {}, QStringLiteral("Итог десятичной дробью"));

    auto* page = new QVBoxLayout(&body);
    common::setPageMargins(*page);
    page->setSpacing(10);
    page->addLayout(fractionGrid(body, fractions));
    page->addSpacing(4);

    auto* operations = new QHBoxLayout;
    operations->setSpacing(8);
    for (QPushButton* key : {keys.add, keys.subtract, keys.multiply, keys.divide}) {
        common::setLook(*key, common::Look::Operator);
        operations->addWidget(key, 1);
    }
    page->addLayout(operations);

    auto* decimalLine = new QHBoxLayout;
    decimalLine->setSpacing(8);
    auto* caption = common::makeLabel("Label3", QStringLiteral("Десятичный вид:"), &body);
    caption->setBuddy(&decimal);
    decimal.setParent(&body);
    decimalLine->addWidget(caption);
    decimalLine->addWidget(&decimal, 1);
    page->addLayout(decimalLine);

    common::addCloseLine(*page, close);
    return keys;
}

} // namespace fractions

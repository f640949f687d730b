#include "vectorlayout.h"

#include "vectorkey.h"
#include "vectorplane.h"

#include "common/controls.h"
#include "common/suitelook.h"
#include "common/words.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

namespace geometry {

namespace {

constexpr int kCoordinateLength = 4; // characters a coordinate box takes
constexpr int kScaleLength = 5;      // characters the scale box takes
const QString kDefaultScale = QStringLiteral("120");
// The keys' captions wrap; this line of the longest one stays whole and sets their width.
const QString kWidestKeyLine = QStringLiteral("(длину вектора)");

QLineEdit* makeInput(const char* name, const QString& accessibleName, int maxLength,
                     const QString& text, QWidget* parent) {
    QLineEdit* box = common::makeBox(name, accessibleName, parent, text);
    box->setMaxLength(maxLength);
    return box;
}

QLineEdit* makeCoordinate(const char* name, const QString& accessibleName, QWidget* parent) {
    return makeInput(name, accessibleName, kCoordinateLength, QStringLiteral("0"), parent);
}

QPushButton* makeKey(const char* name, const QString& caption, QWidget* parent) {
    auto* key = common::named(new WrappingKey(caption, kWidestKeyLine, parent), name);
    common::setLook(*key, common::Look::Science);
    return key;
}

// A key on the left, its result boxes stacked on the right.
void addKeyRow(QGridLayout& grid, QPushButton& key, QLayout& results) {
    const int row = grid.rowCount();
    grid.addWidget(&key, row, 0, Qt::AlignTop);
    grid.addLayout(&results, row, 1, Qt::AlignVCenter);
}

QVBoxLayout* stacked(QWidget& first, QWidget& second) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(&first);
    column->addWidget(&second);
    return column;
}

// "X1 Y1 X2 Y2" over their boxes.
QGridLayout* endsGrid(const VectorControls& c, QWidget* parent) {
    auto* points = new QGridLayout;
    points->setHorizontalSpacing(6);
    points->setVerticalSpacing(2);
    const std::array<std::pair<const char*, QLineEdit*>, 4> columns{
        {{"Label1", c.x1}, {"Label2", c.y1}, {"Label3", c.x2}, {"Label4", c.y2}}};
    for (int i = 0; i < 4; ++i) {
        const auto& [labelName, box] = columns[static_cast<std::size_t>(i)];
        QLabel* label = common::makeLabel(labelName, box->accessibleName(), parent);
        label->setBuddy(box);
        points->addWidget(label, 0, i);
        points->addWidget(box, 1, i);
    }
    return points;
}

QGridLayout* keysGrid(const VectorControls& c, QWidget* parent) {
    auto* keys = new QGridLayout;
    keys->setHorizontalSpacing(6);
    keys->setVerticalSpacing(8);
    auto* length = new QHBoxLayout;
    length->setSpacing(4);
    length->addWidget(c.length, 1);
    auto* unit = common::makeLabel("Label11", QStringLiteral("см"), parent);
    unit->setBuddy(c.length);
    length->addWidget(unit);
    addKeyRow(*keys, *c.lengthKey, *length);
    addKeyRow(*keys, *c.coordinatesKey, *stacked(*c.coordinateX, *c.coordinateY));
    addKeyRow(*keys, *c.middleKey, *stacked(*c.middleX, *c.middleY));
    return keys;
}

// " Масштаб 1:" and its box.
QHBoxLayout* scaleLine(const VectorControls& c, QWidget* parent) {
    auto* name = common::makeLabel("Label9", QStringLiteral(" Масштаб 1:"), parent);
    name->setBuddy(c.scale);
    c.scale->setFixedWidth(common::boxWidthFor(*c.scale, QStringLiteral("888888")));
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    line->addWidget(name);
    line->addWidget(c.scale);
    line->addStretch(1);
    return line;
}

QHBoxLayout* drawingLine(const VectorControls& c) {
    common::setLook(*c.drawKey, common::Look::Action);
    common::setLook(*c.eraseKey, common::Look::Edit);
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(c.drawKey, 1);
    line->addWidget(c.eraseKey, 1);
    return line;
}

// What a screen reader says for each key in place of its caption, and what it does.
void describeControls(const VectorControls& c) {
    common::describe(*c.lengthKey, QStringLiteral("найти длину вектора"),
                     QStringLiteral("Расстояние между точками (X1; Y1) и (X2; Y2), в сантиметрах"));
    common::describe(*c.coordinatesKey, QStringLiteral("найти координаты вектора"),
                     QStringLiteral("X2 минус X1 и Y2 минус Y1"));
    common::describe(*c.middleKey, QStringLiteral("найти середину вектора"),
                     QStringLiteral("Координаты точки посередине между началом и концом"));
    common::describe(*c.drawKey, QStringLiteral("нарисовать"),
                     QStringLiteral("Нарисовать вектор на координатной плоскости в масштабе"));
    common::describe(*c.eraseKey, QStringLiteral("очистить"),
                     QStringLiteral("Стереть все нарисованные векторы"));
    for (QLineEdit* end : {c.x1, c.y1, c.x2, c.y2}) {
        common::describe(*end, {}, common::words::kEmptyIsZero);
    }
    common::describe(*c.scale, {},
                     QStringLiteral("Сколько твипов рисунка в одной единице; пустое поле — 1"));
}

VectorControls makeControls(QWidget* controls, QWidget* body) {
    return {
        makeCoordinate("tx1", QStringLiteral("X1"), controls),
        makeCoordinate("ty1", QStringLiteral("Y1"), controls),
        makeCoordinate("tx2", QStringLiteral("X2"), controls),
        makeCoordinate("ty2", QStringLiteral("Y2"), controls),
        makeKey("dlina", QStringLiteral("Найти расстояние между точками (длину вектора)"),
                controls),
        common::makeBox("tRst", QStringLiteral("Длина вектора, см"), controls),
        makeKey("kord", QStringLiteral("Найти координату вектора"), controls),
        common::makeBox("tkordx", QStringLiteral("X вектора"), controls),
        common::makeBox("tkordy", QStringLiteral("Y вектора"), controls),
        makeKey("Command1", QStringLiteral("Найти координату середины вектора"), controls),
        common::makeBox("tSerx", QStringLiteral("X середины"), controls),
        common::makeBox("tSery", QStringLiteral("Y середины"), controls),
        makeInput("Mstb", QStringLiteral("Масштаб 1:"), kScaleLength, kDefaultScale, controls),
        common::makeButton("Pict", QStringLiteral("Нарисовать >>"), controls),
        common::makeButton("Clear", QStringLiteral("Очистить"), controls),
        new VectorPlane(body),
    };
}

} // namespace

VectorControls layOutVector(QWidget& body, int minimumWidth) {
    auto* controls = common::named(new QWidget(&body), "controls");
    auto* heading = common::makeLabel(
        "Label5", QStringLiteral("Введите координаты концов вектора или двух точек:"), controls);
    heading->setWordWrap(true);
    const VectorControls c = makeControls(controls, &body);
    describeControls(c);

    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(8, 8, 8, 4);
    column->setSpacing(6);
    column->addWidget(heading);
    column->addLayout(endsGrid(c, controls));
    column->addSpacing(4);
    column->addLayout(keysGrid(c, controls));
    column->addSpacing(4);
    column->addLayout(scaleLine(c, controls));
    column->addLayout(drawingLine(c));

    auto* page = new QVBoxLayout(&body);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(controls);
    page->addWidget(c.plane, 0, Qt::AlignHCenter);
    // The controls stand over the drawing area, as wide as it, as the caption or as they need
    // themselves; the wrapped heading and keys decide their height.
    const int width =
        std::max({c.plane->width(), minimumWidth, controls->minimumSizeHint().width()});
    body.setFixedWidth(width);
    controls->setFixedHeight(controls->heightForWidth(width));
    return c;
}

} // namespace geometry

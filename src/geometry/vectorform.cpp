#include "vectorform.h"

#include "vectorkey.h"
#include "vectorplane.h"

#include "about/aform.h"
#include "common/message.h"
#include "common/numtext.h"
#include "common/suitelook.h"
#include "common/controls.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "common/windowstyle.h"

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

const QString VectorForm::kCaption = QStringLiteral("Цифроид 2 вектор 1.0");

namespace {

constexpr int kKeyWidth = 116;
constexpr int kScaleBoxWidth = 56;

QLineEdit* makeInput(const char* name, const QString& accessibleName, int maxLength,
                     const QString& text, QWidget* parent) {
    QLineEdit* box = common::makeBox(name, accessibleName, parent, text);
    box->setMaxLength(maxLength);
    return box;
}

QLineEdit* makeResult(const char* name, const QString& accessibleName, const QString& hint,
                      QWidget* parent) {
    QLineEdit* box = common::makeBox(name, accessibleName, parent);
    box->setPlaceholderText(hint);
    return box;
}

// Writes a result so that its leading digits are the ones in view.
void showNumber(QLineEdit& box, double value) {
    box.setText(common::formatNumber(value));
    box.setCursorPosition(0);
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

} // namespace

VectorForm::VectorForm(QWidget* parent) : QMainWindow(parent), plane_(nullptr) {
    setObjectName(QStringLiteral("VectorForm"));
    setWindowTitle(kCaption);
    common::applyToolWindowStyle(*this);

    common::addToolMenus(
        *this, {.file = "File", .close = "Close", .help = "vpr", .about = "opg"},
        [this] { close_Click(); }, [this] { opg_Click(); });

    auto* body = common::named(new QWidget(this), "body");
    setCentralWidget(body);
    auto* controls = common::named(new QWidget(body), "controls");

    auto* heading = common::makeLabel(
        "Label5", QStringLiteral("Введите координаты концов вектора или двух точек:"), controls);
    heading->setWordWrap(true);

    const QString zero = QStringLiteral("0");
    tx1_ = makeInput("tx1", QStringLiteral("X1"), 4, zero, controls);
    ty1_ = makeInput("ty1", QStringLiteral("Y1"), 4, zero, controls);
    tx2_ = makeInput("tx2", QStringLiteral("X2"), 4, zero, controls);
    ty2_ = makeInput("ty2", QStringLiteral("Y2"), 4, zero, controls);
    auto* points = new QGridLayout;
    points->setHorizontalSpacing(6);
    points->setVerticalSpacing(2);
    const std::array<std::pair<const char*, QLineEdit*>, 4> columns{
        {{"Label1", tx1_}, {"Label2", ty1_}, {"Label3", tx2_}, {"Label4", ty2_}}};
    for (int i = 0; i < 4; ++i) {
        const auto& [labelName, box] = columns[static_cast<std::size_t>(i)];
        QLabel* label = common::makeLabel(labelName, box->accessibleName(), controls);
        label->setBuddy(box);
        points->addWidget(label, 0, i);
        points->addWidget(box, 1, i);
    }

    auto* dlina = common::named(
        new WrappingKey(QStringLiteral("Найти расстояние между точками (длину вектора)"), kKeyWidth,
                        controls),
        "dlina");
    tRst_ = makeResult("tRst", QStringLiteral("Длина вектора, см"), {}, controls);
    auto* unit = common::makeLabel("Label11", QStringLiteral("см"), controls);
    unit->setBuddy(tRst_);
    auto* kord = common::named(
        new WrappingKey(QStringLiteral("Найти координату вектора"), kKeyWidth, controls), "kord");
    tkordx_ = makeResult("tkordx", QStringLiteral("X вектора"), QStringLiteral("X"), controls);
    tkordy_ = makeResult("tkordy", QStringLiteral("Y вектора"), QStringLiteral("Y"), controls);
    auto* middle = common::named(
        new WrappingKey(QStringLiteral("Найти координату середины вектора"), kKeyWidth, controls),
        "Command1");
    tSerx_ = makeResult("tSerx", QStringLiteral("X середины"), QStringLiteral("X"), controls);
    tSery_ = makeResult("tSery", QStringLiteral("Y середины"), QStringLiteral("Y"), controls);

    auto* keys = new QGridLayout;
    keys->setHorizontalSpacing(6);
    keys->setVerticalSpacing(8);
    auto* length = new QHBoxLayout;
    length->setSpacing(4);
    length->addWidget(tRst_, 1);
    length->addWidget(unit);
    addKeyRow(*keys, *dlina, *length);
    addKeyRow(*keys, *kord, *stacked(*tkordx_, *tkordy_));
    addKeyRow(*keys, *middle, *stacked(*tSerx_, *tSery_));

    auto* scaleName = common::makeLabel("Label9", QStringLiteral(" Масштаб 1:"), controls);
    // The caption's opening blank does not indent it from the keys above and below: it is
    // drawn flush right in a place one blank narrower than the caption.
    scaleName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    scaleName->setFixedWidth(scaleName->sizeHint().width() -
                             scaleName->fontMetrics().horizontalAdvance(u' '));
    mstb_ = makeInput("Mstb", QStringLiteral("Масштаб 1:"), 5, QStringLiteral("120"), controls);
    mstb_->setFixedWidth(kScaleBoxWidth);
    scaleName->setBuddy(mstb_);
    auto* draw = common::makeButton("Pict", QStringLiteral("Нарисовать >>"), controls);
    auto* erase = common::makeButton("Clear", QStringLiteral("Очистить"), controls);
    common::setLook(*draw, common::Look::Action);
    common::setLook(*erase, common::Look::Edit);
    for (QPushButton* key : std::array<QPushButton*, 3>{dlina, kord, middle}) {
        common::setLook(*key, common::Look::Science);
    }
    auto* scale = new QHBoxLayout;
    scale->setSpacing(4);
    scale->addWidget(scaleName);
    scale->addWidget(mstb_);
    scale->addStretch(1);
    auto* drawing = new QHBoxLayout;
    drawing->setSpacing(6);
    drawing->addWidget(draw, 1);
    drawing->addWidget(erase, 1);

    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(8, 8, 8, 4);
    column->setSpacing(6);
    column->addWidget(heading);
    column->addLayout(points);
    column->addSpacing(4);
    column->addLayout(keys);
    column->addSpacing(4);
    column->addLayout(scale);
    column->addLayout(drawing);

    plane_ = new VectorPlane(body);
    auto* page = new QVBoxLayout(body);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(controls);
    page->addWidget(plane_, 0, Qt::AlignHCenter);
    // The controls stand over the drawing area, as wide as it or as the caption needs; the
    // wrapped heading and keys decide their height.
    const int width = std::max(plane_->width(), common::captionWidth(kCaption));
    body->setFixedWidth(width);
    controls->setFixedHeight(controls->heightForWidth(width));

    const std::array<QWidget*, 15> order{tx1_,   ty1_,   tx2_,  ty2_,    dlina,
                                         kord,   middle, tRst_, tkordx_, tkordy_,
                                         tSerx_, tSery_, mstb_, draw,    erase};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    connect(dlina, &QPushButton::clicked, this, &VectorForm::dlina_Click);
    connect(kord, &QPushButton::clicked, this, &VectorForm::kord_Click);
    connect(middle, &QPushButton::clicked, this, &VectorForm::Command1_Click);
    connect(draw, &QPushButton::clicked, this, &VectorForm::Pict_Click);
    connect(erase, &QPushButton::clicked, this, &VectorForm::Clear_Click);

    tx1_->setFocus();
    common::fixSizeAndCenter(*this);
}

bool VectorForm::ust() {
    const common::Report report = common::reporterFor(kVectorTitle);
    const QString zero = QStringLiteral("0");
    // X2 is read before Y1.
    const std::array<std::pair<QLineEdit*, double*>, 4> coordinates{
        {{tx1_, &ends_.x1}, {tx2_, &ends_.x2}, {ty1_, &ends_.y1}, {ty2_, &ends_.y2}}};
    for (const auto& [box, field] : coordinates) {
        const auto value = common::readBox(*box, zero, report);
        if (!value) {
            return false;
        }
        *field = *value;
    }
    const auto scale = common::readBox(*mstb_, QStringLiteral("1"), report);
    if (!scale) {
        return false;
    }
    const auto whole = drawingScale(*scale);
    if (!whole) {
        common::showMessage(kVectorTitle, kVectorOverflow);
        return false;
    }
    mst_ = *whole;
    return true;
}

bool VectorForm::readVector() {
    return ust() && !isBlank(ends_);
}

void VectorForm::kord_Click() {
    if (!readVector()) {
        return;
    }
    const QPointF coordinates = vectorCoordinates(ends_);
    showNumber(*tkordx_, coordinates.x());
    showNumber(*tkordy_, coordinates.y());
}

void VectorForm::dlina_Click() {
    if (!readVector()) {
        return;
    }
    showNumber(*tRst_, vectorLength(ends_));
}

void VectorForm::Command1_Click() {
    if (!readVector()) {
        return;
    }
    const QPointF middle = vectorMiddle(ends_);
    showNumber(*tSerx_, middle.x());
    showNumber(*tSery_, middle.y());
}

void VectorForm::Pict_Click() {
    if (!readVector()) {
        return;
    }
    plane_->addVector(ends_, mst_);
}

void VectorForm::Clear_Click() {
    plane_->erase();
}

void VectorForm::close_Click() {
    // The drawing does not outlast the window being put away.
    plane_->erase();
    hide();
}

void VectorForm::opg_Click() {
    about::showAbout();
}

void showVector() {
    common::showWindow<VectorForm>();
}

} // namespace geometry

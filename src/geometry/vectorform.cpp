#include "vectorform.h"

#include "vectorplane.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/numtext.h"
#include "common/outcome.h"
#include "common/windowstyle.h"
#include "common/words.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <utility>

namespace geometry {

namespace {

const QString kCaption = QStringLiteral("Цифроид 2 вектор 1.0");
const QString kMessageTitle = QStringLiteral("Цифроид 2 вектор");

// Writes a result, or says it overflows; false then.
bool showResult(QLineEdit& box, const Number& value) {
    const common::Outcome shown = common::shown(value);
    if (!shown.ok()) {
        common::showMessage(kMessageTitle, common::words::kOverflow);
        return false;
    }
    common::showNumber(box, shown.value);
    return true;
}

// The vector as a screen reader tells it: "вектор от (0; 0) до (3; 4), масштаб 1:120".
QString spokenVector(const VectorEnds& ends, int scale) {
    using common::formatNumber;
    return QStringLiteral("вектор от (%1; %2) до (%3; %4), масштаб 1:%5")
        .arg(formatNumber(ends.x1), formatNumber(ends.y1), formatNumber(ends.x2),
             formatNumber(ends.y2), QString::number(scale));
}

void showPoint(QLineEdit& x, QLineEdit& y, const PlanePoint& point) {
    if (showResult(x, point.x)) {
        showResult(y, point.y);
    }
}

} // namespace

VectorForm::VectorForm(QWidget* parent)
    : ToolWindow("VectorForm", kCaption, parent),
      controls_(layOutVector(body(), common::captionWidth(kCaption))) {
    addMenus({.file = "File", .close = "Close", .help = "vpr", .about = "opg"});
    const VectorControls& c = controls_;
    connect(c.lengthKey, &QPushButton::clicked, this, &VectorForm::showLength);
    connect(c.coordinatesKey, &QPushButton::clicked, this, &VectorForm::showCoordinates);
    connect(c.middleKey, &QPushButton::clicked, this, &VectorForm::showMiddle);
    connect(c.drawKey, &QPushButton::clicked, this, &VectorForm::draw);
    connect(c.eraseKey, &QPushButton::clicked, this, &VectorForm::erase);
    finish({c.x1, c.y1, c.x2, c.y2, c.lengthKey, c.coordinatesKey, c.middleKey, c.length,
            c.coordinateX, c.coordinateY, c.middleX, c.middleY, c.scale, c.drawKey, c.eraseKey});
}

void VectorForm::closeTool() {
    controls_.plane->erase();
    ToolWindow::closeTool();
}

bool VectorForm::readInputs() {
    const common::Report report = common::reporterFor(kMessageTitle);
    const QString zero = QStringLiteral("0");
    const std::array<std::pair<QLineEdit*, Number*>, 4> coordinates{{{controls_.x1, &ends_.x1},
                                                                     {controls_.x2, &ends_.x2},
                                                                     {controls_.y1, &ends_.y1},
                                                                     {controls_.y2, &ends_.y2}}};
    for (const auto& [box, field] : coordinates) {
        const auto value = common::readBox(*box, zero, report);
        if (!value) {
            return false;
        }
        *field = *value;
    }
    const auto scale = common::readBox(*controls_.scale, QStringLiteral("1"), report);
    if (!scale) {
        return false;
    }
    const auto whole = drawingScale(*scale);
    if (!whole) {
        common::showMessage(kMessageTitle, common::words::kOverflow);
        return false;
    }
    scale_ = *whole;
    return true;
}

bool VectorForm::readVector() {
    return readInputs() && !isBlank(ends_);
}

void VectorForm::showCoordinates() {
    if (readVector()) {
        showPoint(*controls_.coordinateX, *controls_.coordinateY, vectorCoordinates(ends_));
    }
}

void VectorForm::showLength() {
    if (readVector()) {
        showResult(*controls_.length, vectorLength(ends_));
    }
}

void VectorForm::showMiddle() {
    if (readVector()) {
        showPoint(*controls_.middleX, *controls_.middleY, vectorMiddle(ends_));
    }
}

void VectorForm::draw() {
    if (readVector()) {
        controls_.plane->addVector(drawnLine(ends_), scale_, spokenVector(ends_, scale_));
    }
}

void VectorForm::erase() {
    controls_.plane->erase();
}

} // namespace geometry

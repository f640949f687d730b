#include "linurform.h"

#include "equationrow.h"
#include "solve.h"

#include "common/message.h"
#include "common/suitelook.h"
#include "common/controls.h"
#include "common/windowstyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace equations {

const QString LINURForm::kTitle = QStringLiteral("Цифроид 2 - решение линейных уравнений");

namespace {

constexpr int kBoxWidth = 96;
constexpr int kSpaceAfterBox = 6;

} // namespace

LINURForm::LINURForm(QWidget* parent)
    : QWidget(parent), a_(common::makeBox("a", QStringLiteral("Коэффициент a"), this)),
      b_(common::makeBox("b", QStringLiteral("Слагаемое b"), this)),
      c_(common::makeBox("c", QStringLiteral("Правая часть c"), this)),
      k_(common::makeBox("k", QStringLiteral("Корень"), this, QStringLiteral("Корень"))) {
    setObjectName(QStringLiteral("LINURForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);

    auto* heading = new QLabel(QStringLiteral("Уравнение вида       ax + b = c"), this);
    heading->setObjectName(QStringLiteral("Label1"));

    // "[a] X + [b] = [c]": b and c lie over the label's runs of blanks.
    const QString rowText = QStringLiteral("X +                 =             ");
    const qsizetype equals = rowText.indexOf(u'=');
    auto* row = new EquationRow(QStringLiteral("Label2"), rowText, kBoxWidth, kSpaceAfterBox, this);
    row->placeBoxBefore(*a_);
    row->placeBox(*b_, rowText.indexOf(u'+') + 1);
    row->placeBox(*c_, equals + 1);
    row->finish();

    auto* solve = common::makeButton("Command2", QStringLiteral("Решить >>"), this);
    common::setLook(*solve, common::Look::Action);
    auto* caption = new QLabel(QStringLiteral("Корень"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    caption->setBuddy(k_);
    auto* hide = common::makeButton("Command1", QStringLiteral("Закрыть"), this);

    auto* page = new QVBoxLayout(this);
    common::setPageMargins(*page);
    page->setSpacing(8);
    page->addWidget(heading);
    addEquationLine(*page, *row, *solve);
    page->addSpacing(4);
    page->addWidget(caption);
    page->addWidget(k_);
    common::addCloseLine(*page, *hide);

    QWidget::setTabOrder(a_, b_);
    QWidget::setTabOrder(b_, c_);
    QWidget::setTabOrder(c_, solve);
    QWidget::setTabOrder(solve, k_);
    QWidget::setTabOrder(k_, hide);

    connect(solve, &QPushButton::clicked, this, &LINURForm::Command2_Click);
    connect(hide, &QPushButton::clicked, this, &LINURForm::Command1_Click);

    a_->setFocus();
    common::fixSizeAndCenter(*this);
}

void LINURForm::Command2_Click() {
    const common::Report report = common::reporterFor(kMessageTitle);
    std::array<double, 3> values{};
    const std::array<QLineEdit*, 3> boxes{a_, b_, c_};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto value = common::readBox(*boxes[i], QStringLiteral("0"), report);
        if (!value) {
            return;
        }
        values[i] = *value;
    }
    const Answer answer = solveLinear(values[0], values[1], values[2]);
    if (!answer.boxes.isEmpty()) {
        k_->setText(answer.boxes.front());
    }
    if (!answer.message.isEmpty()) {
        common::showMessage(kMessageTitle, answer.message);
    }
}

void LINURForm::Command1_Click() {
    hide();
}

} // namespace equations

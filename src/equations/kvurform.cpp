#include "kvurform.h"

#include "equationrow.h"
#include "solve.h"

#include "common/message.h"
#include "common/suitelook.h"
#include "common/controls.h"
#include "common/windowstyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace equations {

const QString KVURForm::kTitle =
    QStringLiteral("Цифроид 2 - решение квадратных и биквадратных уравнений");

namespace {

constexpr int kBoxWidth = 96;
constexpr int kSpaceAfterBox = 18; // keeps "b =" and "c =" clear of the box before them

QRadioButton* makeOption(const char* name, const QString& caption, QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

} // namespace

KVURForm::KVURForm(QWidget* parent)
    : QWidget(parent),
      option2_(makeOption(
          "Option2", QStringLiteral("Уравнение вида ax^4 + bx^2 + c = 0 (биквадратное)"), this)),
      a_(common::makeBox("a", QStringLiteral("Коэффициент a"), this)),
      b_(common::makeBox("b", QStringLiteral("Коэффициент b"), this)),
      c_(common::makeBox("c", QStringLiteral("Свободный член c"), this)) {
    setObjectName(QStringLiteral("KVURForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);

    auto* option1 = makeOption(
        "Option1", QStringLiteral("Уравнение вида ax^2 + bx + c = 0 (квадратное)"), this);
    option1->setChecked(true);

    // "a = [a]  b = [b]  c = [c]": each box lies over the blanks after its "=".
    const QString rowText = QStringLiteral("  a =              b =              c =");
    auto* row = new EquationRow(QStringLiteral("Label2"), rowText, kBoxWidth, kSpaceAfterBox, this);
    const qsizetype afterA = rowText.indexOf(u'=') + 1;
    const qsizetype afterB = rowText.indexOf(u'=', afterA) + 1;
    row->placeBox(*a_, afterA);
    row->placeBox(*b_, afterB);
    row->placeBox(*c_, rowText.size());
    row->finish();

    auto* solve = common::makeButton("Command1", QStringLiteral("Решить >>"), this);
    common::setLook(*solve, common::Look::Action);
    auto* caption = new QLabel(QStringLiteral("Корни:"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QByteArray name = "k" + QByteArray::number(number);
        roots_[i] = common::makeBox(name.constData(), QStringLiteral("Корень %1").arg(number), this,
                                    QStringLiteral("Корень#%1").arg(number));
    }
    caption->setBuddy(roots_[0]);
    auto* hide = common::makeButton("Command2", QStringLiteral("Закрыть"), this);

    auto* page = new QVBoxLayout(this);
    common::setPageMargins(*page);
    page->setSpacing(8);
    page->addWidget(option1);
    page->addWidget(option2_);
    page->addSpacing(4);
    addEquationLine(*page, *row, *solve);
    page->addSpacing(4);
    page->addWidget(caption);
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(10);
    results->setVerticalSpacing(6);
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        results->addWidget(roots_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    page->addLayout(results);
    common::addCloseLine(*page, *hide);

    const std::array<QWidget*, 11> tabOrder{
        a_, b_, c_, solve, roots_[0], roots_[1], hide, option1, option2_, roots_[2], roots_[3]};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(solve, &QPushButton::clicked, this, &KVURForm::Command1_Click);
    connect(hide, &QPushButton::clicked, this, &KVURForm::Command2_Click);

    a_->setFocus();
    common::fixSizeAndCenter(*this);
}

void KVURForm::Command1_Click() {
    const Kind kind = option2_->isChecked() ? Kind::Biquadratic : Kind::Quadratic;
    const auto zeroLeading = [] { common::showMessage(kMessageTitle, kZeroLeading); };

    // An empty a is not filled with "0": it is refused like a zero one.
    if (a_->text().isEmpty() || a_->text() == QStringLiteral("0")) {
        zeroLeading();
        return;
    }
    const common::Report report = common::reporterFor(kMessageTitle);
    const auto a = common::checkedNumber(a_->text(), report);
    if (!a) {
        return;
    }
    if (*a == 0) {
        zeroLeading();
        return;
    }
    const auto b = common::readBox(*b_, QStringLiteral("0"), report);
    if (!b) {
        return;
    }
    const auto c = common::readBox(*c_, QStringLiteral("0"), report);
    if (!c) {
        return;
    }

    const Answer answer = solveQuadratic(kind, *a, *b, *c);
    if (!answer.message.isEmpty()) {
        common::showMessage(kMessageTitle, answer.message);
    }
    for (qsizetype i = 0; i < answer.boxes.size(); ++i) {
        roots_[static_cast<std::size_t>(i)]->setText(answer.boxes[i]);
    }
}

void KVURForm::Command2_Click() {
    hide();
}

} // namespace equations

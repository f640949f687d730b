#include "drobform.h"

#include "fractionlayout.h"

#include "about/aform.h"
#include "common/message.h"
#include "common/numtext.h"
#include "common/controls.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "common/windowstyle.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace fractions {

const QString DrobForm::kTitle = QStringLiteral("Цифроид 2 - дробь 1.0");

namespace {

// The value of a kept text; the empty text of a fraction not yet read counts as zero.
double valueOf(const QString& text) {
    return common::parseNumber(text).value_or(0);
}

} // namespace

DrobForm::DrobForm(QWidget* parent)
    : QMainWindow(parent),
      cl1_(common::makeBox("cl1", QStringLiteral("Числитель дроби 1"), nullptr)),
      zn1_(common::makeBox("zn1", QStringLiteral("Знаменатель дроби 1"), nullptr)),
      cl2_(common::makeBox("cl2", QStringLiteral("Числитель дроби 2"), nullptr)),
      zn2_(common::makeBox("zn2", QStringLiteral("Знаменатель дроби 2"), nullptr)),
      icl_(common::makeBox("icl", QStringLiteral("Числитель итога"), nullptr)),
      izn_(common::makeBox("izn", QStringLiteral("Знаменатель итога"), nullptr)),
      itdsv_(common::makeBox("itdsv", QStringLiteral("Десятичный вид"), nullptr)) {
    setObjectName(QStringLiteral("DrobForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);

    common::addToolMenus(
        *this, {}, [this] { close_Click(); }, [this] { opg_Click(); });

    auto* body = common::named(new QWidget(this), "body");
    setCentralWidget(body);
    const Keys keys = layOutFractions(*body, {{{cl1_, zn1_}, {cl2_, zn2_}, {icl_, izn_}}}, *itdsv_);

    const std::array<QWidget*, 12> tabOrder{cl1_,     zn1_,          cl2_,          zn2_,
                                            keys.add, keys.subtract, keys.multiply, keys.divide,
                                            icl_,     izn_,          itdsv_,        keys.close};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    connect(keys.add, &QPushButton::clicked, this, &DrobForm::sloz_Click);
    connect(keys.subtract, &QPushButton::clicked, this, &DrobForm::vct_Click);
    connect(keys.multiply, &QPushButton::clicked, this, &DrobForm::umn_Click);
    connect(keys.divide, &QPushButton::clicked, this, &DrobForm::razdelit_Click);
    connect(keys.close, &QPushButton::clicked, this, &DrobForm::close_Click);

    cl1_->setFocus();
    common::fixSizeAndCenter(*this);
}

void DrobForm::sloz_Click() {
    operate(Operation::Add);
}

void DrobForm::vct_Click() {
    operate(Operation::Subtract);
}

void DrobForm::umn_Click() {
    operate(Operation::Multiply);
}

void DrobForm::razdelit_Click() {
    operate(Operation::Divide);
}

void DrobForm::close_Click() {
    hide();
}

void DrobForm::opg_Click() {
    about::showAbout();
}

// Reads the boxes in the order cl1, cl2, zn1, zn2, each through the numeric check with its own
// message. A box that is not a number keeps the value read before. zn2 is not read at all
// while the kept denominator of fraction 1 is zero.
void DrobForm::ust() {
    const common::Report report = common::reporterFor(kMessageTitle);
    bool notNumeric = false;
    bool zeroDenominator = false;

    if (common::pr(cl1_->text(), report) == 1) {
        num1_ = cl1_->text();
    } else {
        notNumeric = true;
    }
    if (const auto value = common::checkedNumber(cl2_->text(), report)) {
        num2_ = *value;
    } else {
        notNumeric = true;
    }
    if (common::pr(zn1_->text(), report) == 1) {
        den1_ = zn1_->text();
    } else {
        notNumeric = true;
    }
    if (valueOf(den1_) == 0) {
        zeroDenominator = true;
    } else {
        if (const auto value = common::checkedNumber(zn2_->text(), report)) {
            den2_ = *value;
        } else {
            notNumeric = true;
        }
        zeroDenominator = den2_ == 0;
    }

    errState_ = notNumeric ? kErrNotNumber : zeroDenominator ? kErrZeroDenominator : kErrNone;
}

void DrobForm::operate(Operation operation) {
    ust();
    if (errState_ == kErrNotNumber) {
        return; // the numeric check has told the user
    }
    if (errState_ == kErrZeroDenominator) {
        common::showMessage(kMessageTitle, kZeroDenominator);
        return;
    }
    const Result result = calculate(operation, {valueOf(num1_), valueOf(den1_)}, {num2_, den2_});
    if (!result.message.isEmpty()) {
        common::showMessage(kMessageTitle, result.message);
        return;
    }
    itdsv_->setText(result.decimal);
    icl_->setText(result.numerator);
    izn_->setText(result.denominator);
    errState_ = kErrNone;
}

void showFractions() {
    common::showWindow<DrobForm>();
}

} // namespace fractions

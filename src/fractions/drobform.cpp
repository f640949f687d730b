#include "drobform.h"

#include "fractionlayout.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/numtext.h"
#include "common/words.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <utility>

namespace fractions {

namespace {

// The value of a kept text; the empty text of a fraction not yet read counts as zero.
double valueOf(const QString& text) {
    return common::parseNumber(text).value_or(0);
}

} // namespace

DrobForm::DrobForm(QWidget* parent)
    : ToolWindow("DrobForm", QStringLiteral("Цифроид 2 - дробь 1.0"), parent),
      cl1_(common::makeBox("cl1", QStringLiteral("Числитель дроби 1"), nullptr)),
      zn1_(common::makeBox("zn1", QStringLiteral("Знаменатель дроби 1"), nullptr)),
      cl2_(common::makeBox("cl2", QStringLiteral("Числитель дроби 2"), nullptr)),
      zn2_(common::makeBox("zn2", QStringLiteral("Знаменатель дроби 2"), nullptr)),
      icl_(common::makeBox("icl", QStringLiteral("Числитель итога"), nullptr)),
      izn_(common::makeBox("izn", QStringLiteral("Знаменатель итога"), nullptr)),
      itdsv_(common::makeBox("itdsv", QStringLiteral("Десятичный вид"), nullptr)) {
    addMenus({});
    QPushButton* close = makeCloseKey("close");
    const Keys keys =
        layOutFractions(body(), {{{cl1_, zn1_}, {cl2_, zn2_}, {icl_, izn_}}}, *itdsv_, *close);
    const std::array<std::pair<QPushButton*, Operation>, 4> operations{{
        {keys.add, Operation::Add},
        {keys.subtract, Operation::Subtract},
        {keys.multiply, Operation::Multiply},
        {keys.divide, Operation::Divide},
    }};
    for (const auto& [key, operation] : operations) {
        connect(key, &QPushButton::clicked, this, [this, operation] { apply(operation); });
    }
    finish({cl1_, zn1_, cl2_, zn2_, keys.add, keys.subtract, keys.multiply, keys.divide, icl_, izn_,
            itdsv_, close});
}

// Reads the boxes in the order cl1, cl2, zn1, zn2, each through the numeric check with its own
// message. A box that is not a number keeps the value read before. zn2 is not read at all
// while the kept denominator of fraction 1 is zero.
DrobForm::Reading DrobForm::readInputs() {
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

    if (notNumeric) {
        return Reading::NotNumber;
    }
    return zeroDenominator ? Reading::ZeroDenominator : Reading::Numbers;
}

void DrobForm::apply(Operation operation) {
    const Reading reading = readInputs();
    if (reading == Reading::NotNumber) {
        return; // the numeric check has told the user
    }
    if (reading == Reading::ZeroDenominator) {
        common::showMessage(kMessageTitle, kZeroDenominator);
        return;
    }
    const Result result = calculate(operation, {valueOf(num1_), valueOf(den1_)}, {num2_, den2_});
    if (!result.ok()) {
        common::showMessage(kMessageTitle, common::words::faultMessage(result.fault));
        return;
    }
    itdsv_->setText(common::formatNumber(result.decimal));
    icl_->setText(common::formatNumber(result.fraction.numerator));
    izn_->setText(common::formatNumber(result.fraction.denominator));
}

} // namespace fractions

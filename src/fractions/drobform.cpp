#include "drobform.h"

#include "fractionlayout.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/words.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <utility>

namespace fractions {

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
    const auto read = [&](QLineEdit& box, Number& kept) {
        if (const auto value = common::checkedNumber(box.text(), report)) {
            kept = *value;
        } else {
            notNumeric = true;
        }
    };
    read(*cl1_, first_.numerator);
    read(*cl2_, second_.numerator);
    read(*zn1_, first_.denominator);
    bool zeroDenominator = first_.denominator.isZero();
    if (!zeroDenominator) {
        read(*zn2_, second_.denominator);
        zeroDenominator = second_.denominator.isZero();
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
    const Result result = calculate(operation, first_, second_);
    if (!result.ok()) {
        common::showMessage(kMessageTitle, common::words::faultMessage(result.fault));
        return;
    }
    common::showNumber(*itdsv_, result.decimal);
    common::showNumber(*icl_, result.fraction.numerator);
    common::showNumber(*izn_, result.fraction.denominator);
}

} // namespace fractions

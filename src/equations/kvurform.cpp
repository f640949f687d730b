#include "kvurform.h"

#include "equationrow.h"
#include "equationwords.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/words.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace equations {

namespace {

constexpr int kSpaceAfterBox = 18; // keeps "b =" and "c =" clear of the box before them

QRadioButton* makeOption(const char* name, const QString& caption, QWidget* parent) {
    return common::named(new QRadioButton(caption, parent), name);
}

} // namespace

KVURForm::KVURForm(QWidget* parent)
    : ToolWindow("KVURForm",
                 QStringLiteral("Цифроид 2 - решение квадратных и биквадратных уравнений"), parent),
      biquadratic_(makeOption(
          "Option2", QStringLiteral("Уравнение вида ax^4 + bx^2 + c = 0 (биквадратное)"), &body())),
      coefficients_{common::makeBox("a", QStringLiteral("Коэффициент a"), &body()),
                    common::makeBox("b", QStringLiteral("Коэффициент b"), &body()),
                    common::makeBox("c", QStringLiteral("Свободный член c"), &body())} {
    auto* quadratic = makeOption(
        "Option1", QStringLiteral("Уравнение вида ax^2 + bx + c = 0 (квадратное)"), &body());
    quadratic->setChecked(true);
    common::describe(*quadratic,
                     QStringLiteral("квадратное: a x в квадрате плюс b x плюс c равно нулю"), {});
    common::describe(*biquadratic_,
                     QStringLiteral("биквадратное: a x в четвёртой степени плюс b x в квадрате "
                                    "плюс c равно нулю"),
                     {});

    // "a = [a]  b = [b]  c = [c]": each box lies over the blanks after its "=".
    const QString rowText = QStringLiteral("  a =              b =              c =");
    auto* row = new EquationRow(QStringLiteral("Label2"), rowText,
                                coefficientBoxWidth(*coefficients_[0]), kSpaceAfterBox, &body());
    const qsizetype afterA = rowText.indexOf(u'=') + 1;
    const qsizetype afterB = rowText.indexOf(u'=', afterA) + 1;
    auto [a, b, c] = coefficients_;
    row->placeBox(*a, afterA);
    row->placeBox(*b, afterB);
    row->placeBox(*c, rowText.size());
    row->finish();
    row->label().setBuddy(a);
    common::describe(*a, {}, common::words::kNotZero);
    common::describe(*b, {}, common::words::kEmptyIsZero);
    common::describe(*c, {}, common::words::kEmptyIsZero);

    auto* solveKey = makeMainKey("Command1", QStringLiteral("Решить >>"), kSolveSpoken,
                                 QStringLiteral("Найти корни уравнения выбранного вида"));
    auto* caption = common::makeLabel("Label3", QStringLiteral("Корни:"), &body());
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QByteArray name = "k" + QByteArray::number(number);
        roots_[i] = common::makeBox(name.constData(), QStringLiteral("Корень %1").arg(number),
                                    &body(), QStringLiteral("Корень#%1").arg(number));
    }
    common::describe(*roots_[2], {}, kBiquadraticOnly);
    common::describe(*roots_[3], {}, kBiquadraticOnly);
    caption->setBuddy(roots_[0]);
    QPushButton* close = makeCloseKey("Command2");
    closeOnF12();

    QVBoxLayout* page = makeLines(body());
    page->addWidget(quadratic);
    page->addWidget(biquadratic_);
    page->addSpacing(4);
    addEquationLine(*page, *row, *solveKey);
    page->addSpacing(4);
    page->addWidget(caption);
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(10);
    results->setVerticalSpacing(6);
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        results->addWidget(roots_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    page->addLayout(results);
    common::addCloseLine(*page, *close);

    connect(solveKey, &QPushButton::clicked, this, &KVURForm::solve);
    const auto& k = roots_;
    finish({a, b, c, solveKey, k[0], k[1], close, quadratic, biquadratic_, k[2], k[3]});
}

void KVURForm::solve() {
    const auto [a, b, c] = coefficients_;
    // An empty a is not filled with "0": it is refused like a zero one.
    const auto zeroLeading = [] { common::showMessage(kMessageTitle, kZeroLeading); };
    if (a->text().isEmpty()) {
        zeroLeading();
        return;
    }
    const common::Report report = common::reporterFor(kMessageTitle);
    const auto leading = common::checkedNumber(a->text(), report);
    if (!leading) {
        return;
    }
    if (*leading == 0) {
        zeroLeading();
        return;
    }
    const auto linear = common::readBox(*b, QStringLiteral("0"), report);
    if (!linear) {
        return;
    }
    const auto constant = common::readBox(*c, QStringLiteral("0"), report);
    if (!constant) {
        return;
    }

    const Kind kind = biquadratic_->isChecked() ? Kind::Biquadratic : Kind::Quadratic;
    const Answer answer = quadraticAnswer(kind, solveQuadratic(kind, *leading, *linear, *constant));
    if (!answer.message.isEmpty()) {
        common::showMessage(kMessageTitle, answer.message);
    }
    for (qsizetype i = 0; i < answer.boxes.size(); ++i) {
        common::showText(*roots_[static_cast<std::size_t>(i)], answer.boxes[i]);
    }
}

} // namespace equations

#include "linurform.h"

#include "equationrow.h"
#include "equationwords.h"

#include "common/controls.h"
#include "common/message.h"
#include "common/words.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace equations {

namespace {

constexpr int kSpaceAfterBox = 6;

} // namespace

LINURForm::LINURForm(QWidget* parent)
    : ToolWindow("LINURForm", QStringLiteral("Цифроид 2 - решение линейных уравнений"), parent),
      a_(common::makeBox("a", QStringLiteral("Коэффициент a"), &body())),
      b_(common::makeBox("b", QStringLiteral("Слагаемое b"), &body())),
      c_(common::makeBox("c", QStringLiteral("Правая часть c"), &body())),
      root_(common::makeBox("k", QStringLiteral("Корень"), &body(), QStringLiteral("Корень"))) {
    auto* heading =
        common::makeLabel("Label1", QStringLiteral("Уравнение вида       ax + b = c"), &body());

    // "[a] X + [b] = [c]": b and c lie over the label's runs of blanks.
    const QString rowText = QStringLiteral("X +                 =             ");
    auto* row = new EquationRow(QStringLiteral("Label2"), rowText, coefficientBoxWidth(*a_),
                                kSpaceAfterBox, &body());
    row->placeBoxBefore(*a_);
    row->placeBox(*b_, rowText.indexOf(u'+') + 1);
    row->placeBox(*c_, rowText.indexOf(u'=') + 1);
    row->finish();

    for (QLineEdit* box : {a_, b_, c_}) {
        common::describe(*box, {}, common::words::kEmptyIsZero);
    }
    common::describe(*root_, {}, QStringLiteral("Корень уравнения a x плюс b равно c"));

    auto* solveKey = makeMainKey("Command2", QStringLiteral("Решить >>"), kSolveSpoken,
                                 QStringLiteral("Найти x из уравнения a x плюс b равно c"));
    auto* caption = common::makeLabel("Label3", QStringLiteral("Корень"), &body());
    caption->setBuddy(root_);
    QPushButton* close = makeCloseKey("Command1");
    closeOnF12();

    QVBoxLayout* page = makeLines(body());
    page->addWidget(heading);
    addEquationLine(*page, *row, *solveKey);
    page->addSpacing(4);
    page->addWidget(caption);
    page->addWidget(root_);
    common::addCloseLine(*page, *close);

    connect(solveKey, &QPushButton::clicked, this, &LINURForm::solve);
    finish({a_, b_, c_, solveKey, root_, close});
}

void LINURForm::solve() {
    const common::Report report = common::reporterFor(kMessageTitle);
    std::array<common::Number, 3> values{};
    const std::array<QLineEdit*, 3> boxes{a_, b_, c_};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto value = common::readBox(*boxes[i], QStringLiteral("0"), report);
        if (!value) {
            return;
        }
        values[i] = *value;
    }
    const Answer answer = linearAnswer(solveLinear(values[0], values[1], values[2]));
    if (!answer.boxes.isEmpty()) {
        common::showText(*root_, answer.boxes.front());
    }
    if (!answer.message.isEmpty()) {
        common::showMessage(kMessageTitle, answer.message);
    }
}

} // namespace equations

#include "gform.h"

#include "equationrow.h"
#include "kvurform.h"
#include "linurform.h"

#include "common/controls.h"
#include "common/windowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace equations {

GForm::GForm(QWidget* parent)
    : ToolWindow("GForm", QStringLiteral("Цифроид 2 уравнение 1.1"), parent),
      linear_(common::named(new QRadioButton(QStringLiteral("Линейное ( ax + b = c )"), &body()),
                            "Option1")),
      quadratic_(common::named(
          new QRadioButton(QStringLiteral("Квадратное или биквадратное"), &body()), "Option2")) {
    addMenus({.file = "File", .close = "Exit", .help = "vpr", .about = "Opg"});
    auto* prompt = common::makeLabel("Label1", QStringLiteral("Выбирите тип уравнения:"), &body());
    prompt->setBuddy(linear_);
    common::describe(*linear_, QStringLiteral("линейное: a x плюс b равно c"), {});
    common::describe(*quadratic_, {},
                     QStringLiteral("a x в квадрате плюс b x плюс c равно нулю, или a x в "
                                    "четвёртой степени плюс b x в квадрате плюс c равно нулю"));
    auto* nextKey = makeMainKey("Command1", QStringLiteral("Далее >>"), QStringLiteral("далее"),
                                QStringLiteral("Открыть окно решения уравнения выбранного вида"));
    QPushButton* close = makeCloseKey("Command2");

    QVBoxLayout* page = makeLines(body());
    page->addWidget(prompt);
    page->addWidget(linear_);
    page->addWidget(quadratic_);
    page->addSpacing(6);
    auto* keys = new QHBoxLayout;
    keys->addStretch(1);
    keys->addWidget(nextKey);
    keys->addWidget(close);
    page->addLayout(keys);

    connect(nextKey, &QPushButton::clicked, this, &GForm::next);
    finish({linear_, quadratic_, nextKey, close});
}

void GForm::next() {
    // Two separate tests; with neither option chosen nothing opens.
    if (linear_->isChecked()) {
        common::showWindow<LINURForm>();
    }
    if (quadratic_->isChecked()) {
        common::showWindow<KVURForm>();
    }
}

} // namespace equations

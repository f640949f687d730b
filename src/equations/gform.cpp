#include "gform.h"

#include "equationrow.h"
#include "kvurform.h"
#include "linurform.h"

#include "about/aform.h"
#include "common/suitelook.h"
#include "common/controls.h"
#include "common/toolwindow.h"
#include "common/windowregistry.h"
#include "common/windowstyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace equations {

const QString GForm::kTitle = QStringLiteral("Цифроид 2 уравнение 1.1");

GForm::GForm(QWidget* parent)
    : QMainWindow(parent), option1_(new QRadioButton(QStringLiteral("Линейное ( ax + b = c )"))),
      option2_(new QRadioButton(QStringLiteral("Квадратное или биквадратное"))) {
    setObjectName(QStringLiteral("GForm"));
    setWindowTitle(kTitle);
    common::applyToolWindowStyle(*this);

    common::addToolMenus(
        *this, {.file = "File", .close = "Exit", .help = "vpr", .about = "Opg"},
        [this] { Command2_Click(); }, [this] { Opg_Click(); });

    auto* body = common::named(new QWidget(this), "body");
    setCentralWidget(body);
    auto* prompt =
        common::named(new QLabel(QStringLiteral("Выбирите тип уравнения:"), body), "Label1");
    common::named(option1_, "Option1")->setParent(body);
    common::named(option2_, "Option2")->setParent(body);
    auto* next = common::makeButton("Command1", QStringLiteral("Далее >>"), body);
    common::setLook(*next, common::Look::Action);
    auto* hide = common::makeButton("Command2", QStringLiteral("Закрыть"), body);

    auto* page = new QVBoxLayout(body);
    common::setPageMargins(*page);
    page->setSpacing(8);
    page->addWidget(prompt);
    page->addWidget(option1_);
    page->addWidget(option2_);
    page->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(next);
    buttons->addWidget(hide);
    page->addLayout(buttons);

    QWidget::setTabOrder(option1_, option2_);
    QWidget::setTabOrder(option2_, next);
    QWidget::setTabOrder(next, hide);

    connect(next, &QPushButton::clicked, this, &GForm::Command1_Click);
    connect(hide, &QPushButton::clicked, this, &GForm::Command2_Click);

    option1_->setFocus();
    common::fixSizeAndCenter(*this);
}

void GForm::Command1_Click() {
    // Two separate tests; with neither option chosen nothing opens.
    if (option1_->isChecked()) {
        common::showWindow<LINURForm>();
    }
    if (option2_->isChecked()) {
        common::showWindow<KVURForm>();
    }
}

void GForm::Command2_Click() {
    hide();
}

void GForm::Opg_Click() {
    about::showAbout();
}

void showChooser() {
    common::showWindow<GForm>();
}

} // namespace equations
